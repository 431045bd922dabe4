// Failures in the middle of a write: a full disk (simulated with a file-size limit, which binds
// the superuser too), a read-only target, a missing folder. The target must stay as it was and
// no temporary file may remain.

#include "exif/detail_report.h"
#include "exif/exif_writer.h"
#include "platform/temp_names.h"
#include "tests/exif/writer_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace writer_test;
using exif::RebuildDates;
using exif::RebuildThumbnail;

namespace {

// Writes that would make a file larger than the limit fail with EFBIG, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

struct Folder {
    fixture::Sandbox box;
    fixture::Built camera = fixture::BuildJpeg(CameraContent(), {.width = 640, .height = 480});
    std::filesystem::path file = box.Path() / "DSCN0001.JPG";
    std::filesystem::file_time_type time;

    Folder() {
        fixture::WriteFile(file, camera.bytes);
        time = AgeFile(file, 20);
    }

    void ExpectUnchanged() const {
        EXPECT_EQ(ReadAll(file), camera.bytes);
        EXPECT_EQ(std::filesystem::last_write_time(file), time);
        EXPECT_EQ(FilesIn(box.Path()).size(), 1u) << "a temporary file was left behind";
        EXPECT_FALSE(std::filesystem::exists(platform::TemporaryFileName("_Lumaro")));
        EXPECT_FALSE(std::filesystem::exists(platform::TemporaryFileName("_Thumb")));
    }
};

template <typename Operation> void ExpectFileErrorNaming(const std::string& name, Operation run) {
    try {
        run();
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
    }
}

} // namespace

TEST(WriterOnAFullDisk, RebuildLeavesTheFileAsItWas) {
    // Small limits stop the working segment, larger ones the thumbnail or the new file.
    for (const rlim_t limit : {0, 100, 3000, 20000}) {
        const Folder folder;
        ASSERT_GT(folder.camera.bytes.size(), limit);
        {
            const FileSizeLimit full(limit);
            EXPECT_THROW(exif::RebuildWithExif(folder.file, folder.file, folder.file,
                                               RebuildDates::FromDateTimeTag,
                                               RebuildThumbnail::Renew),
                         platform::FileError)
                << "limit " << limit;
        }
        folder.ExpectUnchanged();
    }
}

TEST(WriterOnAFullDisk, StripLeavesTheFileAsItWas) {
    const Folder folder;
    {
        const FileSizeLimit full(1000);
        ExpectFileErrorNaming("DSCN0001.JPG", [&] { exif::StripExif(folder.file, folder.file); });
    }
    folder.ExpectUnchanged();
}

TEST(WriterOnAFullDisk, AppendBodyReportsTheFailedWrite) {
    const Folder folder;
    const auto destination = folder.box.Path() / "copy.jpg";
    exif::WriteJfifStub(destination);
    {
        const FileSizeLimit full(1000);
        ExpectFileErrorNaming("copy.jpg",
                              [&] { (void)exif::AppendBody(0, destination, folder.file); });
    }
}

TEST(WriterOnAReadOnlyFile, RefusesEveryWrite) {
    const Folder folder;
    std::filesystem::permissions(folder.file, std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::group_read);
    ExpectFileErrorNaming("DSCN0001.JPG",
                          [&] { (void)exif::WriteTagText(folder.file, "DateTime", "x"); });
    ExpectFileErrorNaming("DSCN0001.JPG",
                          [&] { (void)exif::WriteTagShort(folder.file, "ExifImageWidth", 1); });
    ExpectFileErrorNaming("DSCN0001.JPG", [&] { exif::StripExif(folder.file, folder.file); });
    ExpectFileErrorNaming("DSCN0001.JPG", [&] {
        exif::RebuildWithExif(folder.file, folder.file, folder.file, RebuildDates::FromDateTimeTag,
                              RebuildThumbnail::Renew);
    });
    folder.ExpectUnchanged();
}

TEST(WriterIntoAMissingFolder, ReportsTheTarget) {
    const Folder folder;
    const auto target = folder.box.Path() / "no-such-folder" / "out.jpg";
    ExpectFileErrorNaming("out.jpg", [&] { exif::StripExif(target, folder.file); });
    ExpectFileErrorNaming("out.jpg", [&] {
        exif::RebuildWithExif(target, folder.file, folder.file, RebuildDates::FromPictureFile,
                              RebuildThumbnail::Renew);
    });
    ExpectFileErrorNaming("out.jpg", [&] { exif::WriteJfifStub(target); });
    folder.ExpectUnchanged();
}

TEST(WriterOverAFolder, ReportsTheTargetAndLeavesTheFolder) {
    const Folder folder;
    const auto target = folder.box.Path() / "album";
    std::filesystem::create_directory(target);
    ExpectFileErrorNaming("album", [&] { exif::StripExif(target, folder.file); });
    EXPECT_TRUE(std::filesystem::is_empty(target));
}

TEST(AHostileCount, NeverMakesTheReaderOrWriterHoldMoreThanTheFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    fixture::ExifContent content = CameraContent();
    content.ifd0.front() = fixture::Raw(kImageDescription, fixture::kAscii, 0xFFFFFFFF, 100);
    content.exif->at(2) = fixture::Raw(kUserComment, fixture::kUndefined, 0xFFFFFFFF, 100);
    const fixture::Sandbox box;
    const auto file = box.Path() / "DSCN0001.JPG";
    fixture::WriteFile(file, fixture::BuildJpeg(content).bytes);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{256 << 20, 256 << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        const bool refused = !exif::WriteTagText(file, "ImageDescription", "title") &&
                             !exif::WriteTagText(file, "UserComment", "comment");
        const std::string report = exif::BuildDetailReport(exif::LoadExifBlock(file));
        ::_exit(refused && report.find("UserComment(U:4294967295)") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
#endif
}
