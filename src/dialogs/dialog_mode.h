#pragma once

// Whether a record dialog adds a new record or changes one (the page's mode flag 'I' or 'U').
// Only an adding dialog offers "계속등록".

namespace coinest {

enum class DialogMode { Add, Change };

}  // namespace coinest
