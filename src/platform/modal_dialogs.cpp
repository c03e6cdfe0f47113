#include "platform/modal_dialogs.h"

namespace lb::ui {
namespace {

int openDialogs = 0;
bool refusing = false;

} // namespace

ModalScope::ModalScope() {
    ++openDialogs;
}

ModalScope::~ModalScope() {
    --openDialogs;
}

int openModalDialogs() {
    return openDialogs;
}

void setDialogsRefused(bool refused) {
    refusing = refused;
}

bool dialogsRefused() {
    return refusing;
}

} // namespace lb::ui
