#include "storage/folder_sets.h"

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

#include "storage/folder_set_format.h"
#include "storage/safe_write.h"
#include "storage/storage_messages.h"
#include "storage/storage_texts.h"
#include "text/folder_path.h"
#include "text/gbk_text.h"
#include "tracking/refresh.h"

namespace folvaric {
namespace {

bool containsFolder(const std::vector<FolderSetEntry>& entries, const std::string& path) {
    return std::any_of(entries.begin(), entries.end(),
                       [&path](const FolderSetEntry& e) { return text::sameFolderPath(e.path, path); });
}

std::vector<FolderSetEntry> tickedRows(const Form1& f) {
    std::vector<FolderSetEntry> rows;
    const int count = std::min(f.table.size(), f.CheckListBox1.count());
    for (int i = 0; i < count; ++i) {
        if (!f.CheckListBox1.checked(i)) continue;
        const FolderRow& row = f.table[i];
        rows.push_back({row.name, row.path});
        // The folders of the window's other tabs are protected with it.
        for (const std::string& tab : row.otherTabs) rows.push_back({tabFolderName(tab), tab});
    }
    return rows;
}

// While a refresh runs the list is being rebuilt: the protected folders it has not listed
// or re-opened yet are only in its snapshot, and a save then (the exit, say) must keep them.
std::vector<FolderSetEntry> protectedFolders(const Form1& f) {
    std::vector<FolderSetEntry> folders = tickedRows(f);
    if (f.runningRefreshFolders != nullptr) {
        std::unordered_set<std::string> written;
        for (const FolderSetEntry& e : folders) written.insert(text::folderPathKey(e.path));
        for (const FolderRow& folder : *f.runningRefreshFolders) {
            if (written.insert(text::folderPathKey(folder.path)).second) folders.push_back({folder.name, folder.path});
        }
    }
    // The folders that were missing when their set was loaded come last: the user never
    // asked to forget them.
    for (const FolderRow& absent : f.absentSetFolders) {
        if (!containsFolder(folders, absent.path)) folders.push_back({absent.name, absent.path});
    }
    return folders;
}

// A '?' can be in no folder's name or path: where one shows, the window's text held a
// character GBK lacks (Korean, an emoji), and a record of it would be refused at the next
// load, or name another folder.
bool representable(const FolderSetEntry& e) {
    const auto hasQuestionMark = [](const std::string& s) {
        for (std::size_t i = 0; i < s.size(); i += text::charLengthAt(s, i)) {
            if (s[i] == '?') return true;
        }
        return false;
    };
    return !hasQuestionMark(e.name) && !hasQuestionMark(e.path);
}

// Keeps the absent entries of a set just read: those that loaded now are listed from here
// on, the others are remembered alongside the ones already known.
void rememberAbsentFolders(Form1& f, const LoadedFolderSet& set) {
    std::vector<FolderRow>& absent = f.absentSetFolders;
    absent.erase(std::remove_if(absent.begin(), absent.end(),
                                [&set](const FolderRow& a) { return containsFolder(set.accepted, a.path); }),
                 absent.end());
    for (const FolderSetEntry& e : set.absent) {
        const bool known = std::any_of(absent.begin(), absent.end(),
                                       [&e](const FolderRow& a) { return text::sameFolderPath(a.path, e.path); });
        if (!known && static_cast<int>(absent.size()) < kMaxSetEntries) absent.push_back({e.name, e.path, 0});
    }
}

}  // namespace

void writeFolderSetFile(Form1& f) {
    std::vector<FolderSetEntry> folders = protectedFolders(f);
    std::vector<std::string> leftOut;
    for (const FolderSetEntry& e : folders) {
        if (!representable(e)) leftOut.push_back(e.name);
    }
    folders.erase(
        std::remove_if(folders.begin(), folders.end(), [](const FolderSetEntry& e) { return !representable(e); }),
        folders.end());
    rewriteFile(f.p.files, f.folderSetFile, formatFolderSet(folders));
    // Written on purpose: what the unread file held is what the user chose to replace.
    if (!f.unreadSetFile.empty() && text::sameFolderPath(f.folderSetFile, f.unreadSetFile)) f.unreadSetFile.clear();
    if (!leftOut.empty()) showStorageError(f, storage_text::foldersNotSaved(leftOut));
}

void saveDefaultFolderSet(Form1& f) {
    f.folderSetFile = f.defaultSetFile;
    if (!f.p.files.fileExists(f.folderSetFile)) {
        showStorageError(f, storage_text::fileMissingForSave() + f.folderSetFile);
        return;
    }
    writeFolderSetFile(f);
}

void saveFolderSetAs(Form1& f) {
    platform::FileDialogOptions options;
    options.filter = "txt";
    options.initialDir = f.folderSetDir;
    options.fileName = f.saveDialogFileName;
    options.defaultExt = "txt";
    options.confirmOverwrite = true;  // another set of the user's is never replaced unasked
    const std::optional<std::string> chosen = f.p.dialogs.saveFile(options);
    if (!chosen) return;
    f.saveDialogFileName = *chosen;
    f.folderSetFile = *chosen;
    writeFolderSetFile(f);
}

namespace {

// What an empty set means depends on who asked: the user's own load is told the file holds
// nothing, while the start-up load of a set that lists no folder simply has nothing to restore.
enum class EmptySet { Report, NothingToRestore };

void loadFolderSet(Form1& f, EmptySet whenEmpty) {
    const platform::ReadResult file = f.p.files.readFile(f.folderSetFile, kMaxFolderSetBytes);
    // The default set that the start could not read still holds the user's folders: the exit
    // must not put the few ticks made since in their place.
    const bool unreadAtStart = f.startupSetLoadPending && text::sameFolderPath(f.folderSetFile, f.defaultSetFile);
    switch (file.status) {
        case platform::ReadStatus::Ok:
            break;
        case platform::ReadStatus::Missing:
            showStorageError(f, storage_text::fileMissingForRead() + f.folderSetFile);
            return;
        case platform::ReadStatus::TooLarge:
            if (unreadAtStart) f.unreadSetFile = f.folderSetFile;
            showStorageError(f, storage_text::folderSetTooLarge() + f.folderSetFile);
            return;
        case platform::ReadStatus::Failed:
            if (unreadAtStart) f.unreadSetFile = f.folderSetFile;
            showStorageError(f, storage_text::fileHasBadData() + f.folderSetFile);
            return;
    }
    if (!f.unreadSetFile.empty() && text::sameFolderPath(f.folderSetFile, f.unreadSetFile)) f.unreadSetFile.clear();

    const std::string contents = folderSetTextAsGbk(file.bytes);
    const bool listsNothing = contents.find_first_not_of("\r\n \t") == std::string::npos;
    if (listsNothing && whenEmpty == EmptySet::NothingToRestore) return;

    const LoadedFolderSet set =
        readFolderSet(contents, [&f](const std::string& path) { return f.p.files.canonicalFolderPath(path); });
    for (int i = 0; i < set.refused; ++i) f.p.sound.beep(0);
    rememberAbsentFolders(f, set);
    if (set.accepted.empty()) {
        showStorageError(f, storage_text::folderSetEmpty());
        return;
    }
    // A refresh that is waiting for Explorer works on the protected snapshot; filling it
    // now would change that refresh's folders, and this one would not run anyway.
    if (f.refreshBusy) {
        showStorageError(f, storage_text::folderSetWaitsForRefresh());
        return;
    }

    std::vector<FolderRow> loaded;
    loaded.reserve(set.accepted.size());
    for (const FolderSetEntry& e : set.accepted) loaded.push_back({e.name, e.path, 0});
    refreshFolderWindows(f, std::move(loaded));
}

}  // namespace

void readFolderSetFile(Form1& f) {
    loadFolderSet(f, EmptySet::Report);
}

void loadDefaultFolderSet(Form1& f) {
    f.folderSetFile = f.defaultSetFile;
    readFolderSetFile(f);
}

void loadDefaultSetAtStartup(Form1& f) {
    f.folderSetFile = f.defaultSetFile;
    loadFolderSet(f, EmptySet::NothingToRestore);
}

void loadOtherFolderSet(Form1& f) {
    platform::FileDialogOptions options;
    options.filter = "text(*.txt)|*.txt";
    options.initialDir = f.folderSetDir;
    options.fileName.clear();
    const std::optional<std::string> chosen = f.p.dialogs.openFile(options);
    if (!chosen) return;
    f.folderSetFile = *chosen;
    readFolderSetFile(f);
}

}  // namespace folvaric
