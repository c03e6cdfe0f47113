#include "store/password_prompt.h"

namespace lb::ui {
namespace {

PasswordHook& storage() {
    static PasswordHook h;
    return h;
}

} // namespace

void setPasswordHook(PasswordHook hook) {
    storage() = std::move(hook);
}

const PasswordHook& passwordHook() {
    return storage();
}

} // namespace lb::ui
