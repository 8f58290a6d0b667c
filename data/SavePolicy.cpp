// Saving the entered work of the group: in place, or kept beside the file.
#include "data/SavePolicy.h"

#include "data/FilePath.h"
#include "data/GroupData.h"
#include "data/GroupPaths.h"
#include "data/UserFolders.h"
#include "res/StringTable.h"

#include <filesystem>

namespace vak {

namespace {
constexpr const char* USER_DATA_FOLDER = "Vak";  // under the user's data folder (~/.local/share)
constexpr int KEPT_COPY_ATTEMPTS = 9;           // names tried in each folder
} // namespace

bool SaveEnteredWork(CGroupData& group, MessageSink& messages)
{
    if (!HasGroupExtension(group.m_strPath) || group.m_nPublishers == 0 || !group.m_bEntered)
        return true;
    if (group.m_nPublishers < 2) {
        // Such a group is never written; say so, as reports would be dropped.
        group.SaveGroupFile(group.m_strPath);
        return true;
    }
    // Another file at the group's name is never written over, nor is the file a planted link
    // leads to: the reports are kept beside it.
    if (group.FileReplacedSinceLoad())
        return SaveKeptCopy(group, messages);
    // Yes overwrites the other program's file; No, the answer that loses nothing, keeps it.
    if (group.FileChangedSinceLoad() &&
        messages.Show(FormatText(ResString(IDS_FILE_CHANGED), group.m_strPath), MsgButtons::YesNo,
                      MsgIcon::Question) != MsgAnswer::Yes)
        return SaveKeptCopy(group, messages);
    return group.SaveGroupFile(group.m_strPath) || SaveKeptCopy(group, messages);
}

bool SaveKeptCopy(CGroupData& group, MessageSink& messages)
{
    namespace fs = std::filesystem;
    const fs::path groupFile = PathFromUtf8(group.m_strPath);
    const std::tm local = LocalNow();
    std::error_code error;
    const fs::path dataFolder = PathFromUtf8(UserDataFolder()) / USER_DATA_FOLDER;
    for (const fs::path& folder : {groupFile.parent_path(), dataFolder}) {
        fs::create_directories(folder, error);
        for (int attempt = 1; attempt <= KEPT_COPY_ATTEMPTS; ++attempt) {
            const fs::path copy =
                folder / PathFromUtf8(KeptCopyName(Utf8FromPath(groupFile.filename()), local, attempt,
                                                   FileNameLimit(Utf8FromPath(folder))));
            if (fs::exists(fs::symlink_status(copy, error)))
                continue;
            if (!group.WriteGroupFile(Utf8FromPath(copy)))
                break;
            messages.Show(FormatText(ResString(IDS_KEPT_COPY), group.m_strPath, Utf8FromPath(copy)), MsgButtons::Ok,
                          MsgIcon::Warning);
            return true;
        }
    }
    return false;
}

} // namespace vak
