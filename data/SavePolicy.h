// What becomes of the work entered into a group when its file is to take it (closing, opening
// another file, the end of the session): the group file takes it when it may, else a new file
// beside it keeps it, and it is never dropped without a word.
#pragma once

namespace vak {

class CGroupData;
class MessageSink;

// Saves the loaded group into its own file when anything in it changed since loading. A group of
// fewer than two publishers is never written, with a message. When the file cannot take the
// work (the path now leads to another file, another program changed it and the answer to text
// 1501 is No, or writing fails), the group goes into a kept copy (SaveKeptCopy). Questions and
// messages go to `messages`. Returns false only when the entered work could be kept nowhere.
bool SaveEnteredWork(CGroupData& group, MessageSink& messages);

// Writes the group with its entered work to a new file beside the group file, named by
// KeptCopyName, or in the user's data folder when that folder takes no files, and names it in
// text 1503. False when no such file could be written.
bool SaveKeptCopy(CGroupData& group, MessageSink& messages);

} // namespace vak
