// Files that go wrong behind the plugin's back during a session: each failure is one console
// line, the path in memory stays, and nothing on disk is lost.

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>

#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

namespace fs = std::filesystem;

class FileFaultsTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        EnterFlycamReplay();
        TakeAt(0, {0, 0, 100});
        TakeAt(60, {1000, 0, 100});
        host.ClearLines();
    }
    fs::path Campaths() const { return host.DataFolder() / "campaths"; }
    // Runs one line and returns what it logged, which must be exactly one line.
    std::string Answer(const std::string& line) {
        host.ClearLines();
        host.Run(line);
        EXPECT_EQ(host.Lines().size(), 1u) << line;
        return host.LastLine();
    }
    SnapshotMap Path() { return *Cam().snapshots; }
};

// Everything under the folder, files with their bytes (folders empty).
std::map<fs::path, std::string> FilesUnder(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::ostringstream bytes;
        if (entry.is_regular_file())
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path()] = bytes.str();
    }
    return files;
}

// While it lives, no file may grow past `bytes`: the kernel fails the write that reaches the
// limit as a full disk would (permission bits do not stop root).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{bytes, previous.rlim_max};
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }

private:
    rlimit previous{};
    void (*handler)(int);
};

TEST_F(FileFaultsTest, ASaveIntoAFullDiskFailsPartWayAndChangesNoFile) {
    const std::pair<const char*, const char*> saves[] = {
        {"dolly_path_save p.json", "p.json"},
        {"dolly_preset_save shot", "presets/shot.json"},
        {"dolly_export e.gltf", "e.gltf"}};
    for (const auto& [save, written] : saves)
        host.Run(save);
    const auto before = FilesUnder(host.DataFolder());
    for (int frame = 120; frame <= 900; frame += 60)
        TakeAt(frame, {static_cast<float>(frame), 0, 100});
    for (const auto& [save, written] : saves) {
        const FileSizeLimit full(fs::file_size(Campaths() / written) + 1);
        EXPECT_NE(Answer(save).find("(File too large)"), std::string::npos) << save;
        EXPECT_EQ(FilesUnder(host.DataFolder()), before) << save;
    }
    // Each bigger file was cut short: it does not fit the limit its save failed at.
    for (const auto& [save, written] : saves) {
        const std::uintmax_t limit = before.at(Campaths() / written).size() + 1;
        host.Run(save);
        EXPECT_GT(fs::file_size(Campaths() / written), limit) << save;
    }
}

TEST_F(FileFaultsTest, AFileReplacedByAFolderIsNeitherReadNorOverwritten) {
    fs::create_directories(Campaths() / "p.json");
    std::ofstream(Campaths() / "p.json" / "inside") << "kept";
    const SnapshotMap before = Path();
    const std::string file = (Campaths() / "p.json").string();
    EXPECT_EQ(Answer("dolly_path_load p.json"), "Could not load " + file + ": is a folder");
    EXPECT_EQ(Answer("dolly_path_save p.json"),
              "Could not save " + file + ": cannot replace the file (Is a directory)");
    EXPECT_EQ(Path(), before);
    EXPECT_TRUE(fs::exists(Campaths() / "p.json" / "inside"));
}

TEST_F(FileFaultsTest, AFolderRemovedMidSessionIsMadeAgainByTheNextSave) {
    host.Run("dolly_path_save p.json");
    host.Run("dolly_preset_save shot");
    fs::remove_all(Campaths());
    EXPECT_EQ(Answer("dolly_path_load p.json"),
              "File not found: " + (Campaths() / "p.json").string());
    EXPECT_EQ(Path().size(), 2u);
    host.Run("dolly_path_save p.json");
    host.Run("dolly_path_clear");
    host.Run("dolly_path_load p.json");
    EXPECT_EQ(Path().size(), 2u) << host.LastLine();
}

TEST_F(FileFaultsTest, APresetFileDeletedBehindTheLibraryIsOneLineAndThePathStays) {
    host.Run("dolly_preset_save shot");
    host.Run("dolly_path_clear");
    TakeAt(30, {5, 5, 5});
    fs::remove(Campaths() / "presets" / "shot.json");
    const SnapshotMap before = Path();
    EXPECT_EQ(Answer("dolly_preset_load shot"), "Preset not found");
    EXPECT_EQ(Path(), before);
}

TEST_F(FileFaultsTest, ExportsAndRecordingsIntoAFolderThatCannotBeMadeWriteNothing) {
    fs::create_directories(Campaths());
    std::ofstream(Campaths() / "blocked") << "a file where a folder should be";
    const std::string reason =
        ": cannot create the folder " + (Campaths() / "blocked").string() + " (Not a directory)";
    EXPECT_EQ(Answer("dolly_export blocked/a.gltf"),
              "Could not save " + (Campaths() / "blocked" / "a.gltf").string() + reason);
    host.Run("dolly_record_start blocked/r.chan");
    host.SetFrame(0);
    host.Run("dolly_activate");
    host.Tick(5);
    EXPECT_EQ(Answer("dolly_record_stop"), "Could not save " +
                                               (Campaths() / "blocked" / "r.chan").string() +
                                               reason + "; still recording");
    EXPECT_EQ(Answer("dolly_record_stop r.chan").rfind("Recorded ", 0), 0u) << host.LastLine();
    EXPECT_TRUE(fs::is_regular_file(Campaths() / "blocked"));
}

} // namespace
} // namespace Quorvel::Testing
