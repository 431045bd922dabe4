#include "resources/demo/demo_photos.h"

namespace demo {
namespace {

PhotoExif Camera(std::string make, std::string model, std::string software, std::string title,
                 std::string comment) {
    PhotoExif exif;
    exif.make = std::move(make);
    exif.model = std::move(model);
    exif.software = std::move(software);
    exif.title = std::move(title);
    exif.comment = std::move(comment);
    return exif;
}

Exposure Shot(Ratio time, Ratio fNumber, std::int32_t biasTenths, Ratio focalLength,
              std::uint16_t iso) {
    Exposure exposure;
    exposure.exposureTime = time;
    exposure.fNumber = fNumber;
    exposure.biasTenths = biasTenths;
    exposure.focalLength = focalLength;
    exposure.maxAperture = {26, 10};
    exposure.iso = iso;
    return exposure;
}

DemoPhoto Photo(std::string fileName, Subject subject, std::string date, PhotoExif exif,
                Exposure exposure) {
    exif.exposure = exposure;
    return {std::move(fileName), subject, std::move(date), std::move(exif)};
}

// The three models with the numeric maker note.
std::vector<DemoPhoto> NumberNotePhotos() {
    std::vector<DemoPhoto> photos;
    NikonNumbers note;
    note.whiteBalance = 2;
    note.focus = {1, 0};
    photos.push_back(Photo("DSCN0001.JPG", Subject::GreenHills, "1999:05:03 10:21:45",
                           Camera("NIKON", "E700", "E700v1.1", "新緑の山", "家族で山歩き"),
                           Shot({1, 250}, {56, 10}, 0, {65, 10}, 80)));
    photos.back().exif->numbers = note;

    note = {};
    note.sizeQuality = 2;
    note.imageAdjust = 3;
    note.focus = {1, 0};
    note.digitalZoom = 200;
    photos.push_back(Photo("DSCN0002.JPG", Subject::NewYearSunrise, "2000:01:01 06:58:12",
                           Camera("NIKON", "E800", "E800v1.0", "初日の出", "2000年最初の朝"),
                           Shot({1, 60}, {40, 10}, -7, {195, 10}, 100)));
    photos.back().exif->numbers = note;

    note = {};
    note.whiteBalance = 5;
    note.focus = {55, 10};
    note.digitalZoom = 125;
    note.converter = 1;
    photos.push_back(Photo("DSCN0003.JPG", Subject::AutumnLeaves, "1999:11:14 13:05:33",
                           Camera("NIKON", "E950", "E950v1.1", "秋の紅葉", "嵐山にて"),
                           Shot({1, 125}, {48, 10}, 0, {128, 10}, 80)));
    photos.back().exif->numbers = note;

    note = {};
    note.sizeQuality = 1;
    note.imageAdjust = 1;
    note.whiteBalance = 3;
    note.focus = {1, 0};
    photos.push_back(
        Photo("DSCN0004.JPG", Subject::NightTown, "1999:12:24 19:30:02",
              Camera("NIKON", "E950", "E950v1.1", "クリスマスの夜景", "駅前のイルミネーション"),
              Shot({1, 4}, {26, 10}, 0, {70, 10}, 80)));
    photos.back().exif->numbers = note;
    photos.back().exif->exposure.compressedBitsPerPixel = 1;
    return photos;
}

// The E990 with the maker note of words.
std::vector<DemoPhoto> WordNotePhotos() {
    std::vector<DemoPhoto> photos;
    photos.push_back(Photo("DSCN0005.JPG", Subject::CherryBlossoms, "2000:04:08 11:12:13",
                           Camera("NIKON", "E990", "E990v1.1", "桜並木", "満開の桜の下で"),
                           Shot({1, 344}, {70, 10}, 0, {82, 10}, 100)));
    photos.back().exif->words = NikonWords{};

    NikonWords note;
    note.iso = 100;
    note.quality = "NORMAL";
    note.sharpness = "HIGH";
    note.focusMode = "AF-C";
    note.flashSetting = "SLOW";
    note.imageAdjust = "CONTRAST(+)";
    note.converter = "WIDE ADAPTER";
    note.focusDistance = {32, 10};
    note.digitalZoom = {150, 100};
    note.focusArea = 3;
    photos.push_back(Photo("DSCN0006.JPG", Subject::EveningBeach, "2000:08:15 18:42:10",
                           Camera("NIKON", "E990", "E990v1.1", "夕暮れの浜辺", "日が沈む前に一枚"),
                           Shot({1, 30}, {34, 10}, 0, {246, 10}, 100)));
    photos.back().exif->words = note;
    photos.back().exif->exposure.flash = 1;
    photos.back().exif->exposure.compressedBitsPerPixel = 2;
    return photos;
}

// Other makes: the standard tags only.
std::vector<DemoPhoto> OtherMakePhotos() {
    std::vector<DemoPhoto> photos;
    photos.push_back(Photo("IMG_0108.JPG", Subject::SeasideAfternoon, "2002:07:20 14:30:05",
                           Camera("Canon", "Canon PowerShot S40", "Firmware Version 1.10",
                                  "海辺の午後", "夏休みの海水浴"),
                           Shot({1, 500}, {80, 10}, 0, {7100, 1000}, 50)));
    photos.back().exif->exposure.compressedBitsPerPixel = 2;

    photos.push_back(
        Photo("P3110001.JPG", Subject::SnowMorning, "2001:03:11 08:15:20",
              Camera("OLYMPUS OPTICAL CO.,LTD", "C3000Z", "v552-83", "雪の朝", "一晩で真っ白に"),
              Shot({1, 400}, {56, 10}, 10, {56, 10}, 100)));

    photos.push_back(
        Photo("DSCF0001.JPG", Subject::Hydrangea, "2001:06:02 16:45:10",
              Camera("FUJIFILM", "FinePix4900ZOOM", "Digital Camera FinePix4900ZOOM Ver1.00",
                     "紫陽花", "雨上がりの庭"),
              Shot({1, 60}, {33, 10}, -3, {780, 100}, 125)));
    photos.back().exif->exposure.program = 3;
    photos.back().exif->exposure.metering = 2;

    photos.push_back(Photo("DSC00002.JPG", Subject::Sunset, "2001:11:23 16:52:40",
                           Camera("SONY", "DSC-P5", "", "夕焼け", "帰り道の空"),
                           Shot({1, 100}, {40, 10}, -7, {64, 10}, 100)));
    photos.back().exif->exposure.metering = 3;

    // Taken with the camera held upright: stored on its side, as cameras store it.
    photos.push_back(Photo("IMG_0112.JPG", Subject::Lighthouse, "2002:07:21 10:05:40",
                           Camera("Canon", "Canon PowerShot S40", "Firmware Version 1.10",
                                  "岬の灯台", "カメラを縦にして撮影"),
                           Shot({1, 400}, {56, 10}, 0, {7100, 1000}, 50)));
    photos.back().exif->orientation = 6;
    photos.back().exif->exposure.compressedBitsPerPixel = 2;
    return photos;
}

} // namespace

std::vector<DemoPhoto> DemoPhotos() {
    std::vector<DemoPhoto> photos = NumberNotePhotos();
    for (auto* part : {&WordNotePhotos, &OtherMakePhotos}) {
        for (DemoPhoto& photo : part()) {
            photos.push_back(std::move(photo));
        }
    }
    // A scanned print: no EXIF data, so the list shows it with the placeholder picture.
    photos.push_back({"scan0001.jpg", Subject::OldPrint, "2001:01:15 10:00:00", std::nullopt});
    return photos;
}

} // namespace demo
