#pragma once

// The two forms of a completion component: a list of words to insert, and a
// hint that shows the parameters of the call the caret is in. ctHint is kept
// for stored values; it shows like ctParams.
enum TSynCompletionType { ctCode = 0, ctHint = 1, ctParams = 2 };
