# Makes the passphrase word list from the system's English word list (Debian's
# wamerican): the plain lower-case words of 4 to 8 letters, which leaves out
# proper nouns, possessives and abbreviations, sorted and each once. The words
# are read at configure time and written into a .cpp in the build tree, so the
# repository holds no copy of them.
#
#   lb_passphrase_words(<word list file> <template> <output .cpp>)

# Below this a passphrase of the fewest words would be too easy to guess.
set(_lb_least_words 2048)

function(lb_passphrase_words list_file template output)
  if(NOT EXISTS "${list_file}")
    message(FATAL_ERROR
      "The word list ${list_file} is missing; passphrases are made from it. "
      "Install Debian's wamerican package (scripts/install-deps.sh does) or set "
      "LB_WORD_LIST_FILE to another list of one word a line.")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${list_file}")
  file(STRINGS "${list_file}" _words ENCODING UTF-8
       REGEX "^[a-z][a-z][a-z][a-z][a-z]?[a-z]?[a-z]?[a-z]?$")
  list(SORT _words)
  list(REMOVE_DUPLICATES _words)
  list(LENGTH _words _count)
  if(_count LESS _lb_least_words)
    message(FATAL_ERROR
      "The word list ${list_file} holds only ${_count} plain lower-case words of 4 to 8 "
      "letters; passphrases need at least ${_lb_least_words}.")
  endif()
  # Each word a string_view literal: its length is known, not counted at
  # compile time, which for tens of thousands of words would exhaust the
  # compiler's budget for constant evaluation.
  list(JOIN _words "\"sv,\n    \"" _joined)
  set(LB_WORD_LIST_FILE "${list_file}")
  set(LB_WORD_COUNT ${_count})
  set(LB_WORDS "    \"${_joined}\"sv,")
  configure_file("${template}" "${output}" @ONLY)
  message(STATUS "Passphrase words: ${_count} from ${list_file}")
endfunction()
