// Pictures exported as 24-bit bitmaps and read back, checked against the bytes of the file
// itself so that a saver and loader sharing one mistake cannot hide it.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/error_numbers.h"
#include "core/picture.h"
#include "platform/files/picture_file.h"
#include "tests/platform/files/bitmap_test_files.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using testing::BitmapFile;
using testing::BitmapHeaderKind;
using testing::BlackPixelBytes;
using testing::CaughtRuntimeError;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

// Every pixel a different colour, with exact black and white in the corners, so that a
// swapped channel, a flipped row or a padding slip shows up.
Picture PatternPicture(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.At(x, y) =
          Rgb{static_cast<std::uint8_t>(x * 2 + 1), static_cast<std::uint8_t>(y * 2 + 1),
              static_cast<std::uint8_t>((x * 7 + y * 13) % 256)};
    }
  }
  picture.At(0, 0) = kTransparentBlack;
  picture.At(width - 1, height - 1) = Rgb{255, 255, 255};
  picture.At(width - 1, 0) = Rgb{200, 10, 60};
  return picture;
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + static_cast<std::size_t>(i)));
  }
  return value;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class PictureRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(PictureRoundTrip, ComesBackAtItsSizeWithExactColours) {
  const int side = GetParam();
  TemporaryFolder folder;
  const auto path = folder / "picture.bmp";
  const Picture original = PatternPicture(side, side);
  SavePicture(original, path);
  const Picture loaded = LoadPicture(path);
  ASSERT_EQ(loaded.width, side);
  ASSERT_EQ(loaded.height, side);
  EXPECT_TRUE(loaded.pixels == original.pixels);
  EXPECT_EQ(loaded.At(0, 0), kTransparentBlack);
}

TEST_P(PictureRoundTrip, TheFileIsATwentyFourBitBitmapWithBlueGreenRedPixels) {
  const int side = GetParam();
  TemporaryFolder folder;
  const auto path = folder / "picture.bmp";
  const Picture original = PatternPicture(side, side);
  SavePicture(original, path);
  const std::string file = ReadBytes(path);
  ASSERT_GE(file.size(), 54u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(LittleEndian(file, 2, 4), file.size());
  EXPECT_EQ(LittleEndian(file, 18, 4), static_cast<std::uint32_t>(side));
  const std::uint32_t height = LittleEndian(file, 22, 4);
  EXPECT_EQ(height, static_cast<std::uint32_t>(side)) << "rows stored bottom-up";
  EXPECT_EQ(LittleEndian(file, 28, 2), 24u) << "bits per pixel";
  EXPECT_EQ(LittleEndian(file, 30, 4), 0u) << "uncompressed";

  // Rows run bottom-up and are padded to four bytes.
  const std::size_t pixelsAt = LittleEndian(file, 10, 4);
  const std::size_t rowBytes = (static_cast<std::size_t>(side) * 3 + 3) / 4 * 4;
  ASSERT_EQ(file.size(), pixelsAt + rowBytes * static_cast<std::size_t>(side));
  const auto pixelInFile = [&](int x, int y) {
    const std::size_t at = pixelsAt + rowBytes * static_cast<std::size_t>(side - 1 - y) +
                           static_cast<std::size_t>(x) * 3;
    return Rgb{static_cast<std::uint8_t>(file[at + 2]), static_cast<std::uint8_t>(file[at + 1]),
               static_cast<std::uint8_t>(file[at])};
  };
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {0, 0}, {side - 1, 0}, {0, side - 1}, {side - 1, side - 1}, {side / 2, side / 3}}) {
    EXPECT_EQ(pixelInFile(x, y), original.At(x, y)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureRoundTrip, ::testing::Values(40, 95),
                         [](const auto& info) { return "Side" + std::to_string(info.param); });

TEST(SavePicture, KeepsANonSquarePictureTheRightWayRound) {
  TemporaryFolder folder;
  const auto path = folder / "wide.bmp";
  const Picture original = PatternPicture(7, 3);
  SavePicture(original, path);
  const Picture loaded = LoadPicture(path);
  ASSERT_EQ(loaded.width, 7);
  ASSERT_EQ(loaded.height, 3);
  EXPECT_TRUE(loaded.pixels == original.pixels);
}

TEST(SavePicture, ReplacesAnEarlierFileWhole) {
  TemporaryFolder folder;
  const auto path = folder / "picture.bmp";
  SavePicture(PatternPicture(95, 95), path);
  const Picture smaller(40, 40, Rgb{10, 20, 30});
  SavePicture(smaller, path);
  const Picture loaded = LoadPicture(path);
  EXPECT_EQ(loaded.width, 40);
  EXPECT_EQ(loaded.height, 40);
  EXPECT_TRUE(loaded.pixels == smaller.pixels);
  EXPECT_EQ(ReadBytes(path).size(), 54u + 120u * 40u);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"picture.bmp"});
}

struct UnwritablePlace {
  std::string name;
  std::function<std::filesystem::path(const TemporaryFolder&)> prepare;
  std::string reason;  // the system's own words
};

TEST(SavePicture, AnUnwritablePlaceIsAPathFileAccessErrorNamingTheFile) {
  const std::vector<UnwritablePlace> places = {
      {"missing folder",
       [](const TemporaryFolder& folder) { return folder / "no-such-folder" / "p.bmp"; },
       "No such file or directory"},
      {"folder is a file",
       [](const TemporaryFolder& folder) {
         WriteBytes(folder / "plain-file", "x");
         return folder / "plain-file" / "p.bmp";
       },
       "Not a directory"},
      {"target is a folder",
       [](const TemporaryFolder& folder) {
         std::filesystem::create_directory(folder / "p.bmp");
         return folder / "p.bmp";
       },
       "Is a directory"},
  };
  for (const UnwritablePlace& place : places) {
    SCOPED_TRACE(place.name);
    TemporaryFolder folder;
    const auto path = place.prepare(folder);
    const auto namesBefore = folder.Names();
    const auto error = CaughtRuntimeError([&] { SavePicture(PatternPicture(40, 40), path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::PathFileAccessError);
    EXPECT_EQ(error->Source(), "SavePicture");
    EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
    EXPECT_TRUE(Contains(error->Description(), place.reason)) << error->Description();
    EXPECT_EQ(folder.Names(), namesBefore) << "a temporary file was left behind";
  }
}

TEST(SavePicture, AWriteFailingPartWayLeavesTheEarlierPictureIntact) {
  TemporaryFolder folder;
  const auto path = folder / "picture.bmp";
  SavePicture(PatternPicture(40, 40), path);
  const std::string earlier = ReadBytes(path);
  std::optional<RuntimeError> error;
  {
    const FileSizeLimit diskAlmostFull(1000);
    ASSERT_TRUE(diskAlmostFull.Applied());
    error = CaughtRuntimeError([&] { SavePicture(PatternPicture(95, 95), path); });
  }
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::PathFileAccessError);
  EXPECT_TRUE(Contains(error->Description(), "File too large")) << error->Description();
  EXPECT_EQ(ReadBytes(path), earlier);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"picture.bmp"});
}

TEST(SavePicture, RefusesAPictureWithoutPixels) {
  TemporaryFolder folder;
  const auto path = folder / "empty.bmp";
  Picture inconsistent(4, 4);
  inconsistent.pixels.pop_back();
  for (const Picture& picture : {Picture(), Picture(0, 5), inconsistent}) {
    const auto error = CaughtRuntimeError([&] { SavePicture(picture, path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ErrorNumber::InvalidPicture);
    EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
  }
  EXPECT_TRUE(folder.Names().empty());
}

TEST(LoadPicture, AMissingFileIsFileNotFoundNamingIt) {
  TemporaryFolder folder;
  const auto path = folder / "missing.bmp";
  const auto error = CaughtRuntimeError([&] { LoadPicture(path); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), ErrorNumber::FileNotFound);
  EXPECT_EQ(error->Source(), "LoadPicture");
  EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
}

void ExpectInvalidPictureNamingIt(const std::filesystem::path& path) {
  const auto error = CaughtRuntimeError([&] { LoadPicture(path); });
  ASSERT_TRUE(error) << path;
  EXPECT_EQ(error->Number(), ErrorNumber::InvalidPicture);
  EXPECT_EQ(error->Source(), "LoadPicture");
  EXPECT_TRUE(Contains(error->Description(), path.string())) << error->Description();
}

TEST(LoadPicture, AFileThatIsNoBitmapIsAnInvalidPicture) {
  TemporaryFolder folder;
  const auto text = folder / "config.dat";
  WriteBytes(text, "#TRUE#\r\n6\r\n");
  const auto truncated = folder / "truncated.bmp";
  SavePicture(PatternPicture(40, 40), truncated);
  WriteBytes(truncated, ReadBytes(truncated).substr(0, 30));
  for (const auto& path : {text, truncated}) {
    ExpectInvalidPictureNamingIt(path);
  }
}

struct DeclaredSizeCase {
  std::string name;
  std::string file;
};

TEST(LoadPicture, RefusesADeclaredSizeNoPictureOfTheGameHasBeforeDecodingIt) {
  using enum BitmapHeaderKind;
  const std::string noPixels(16, '\0');
  const std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  // Where the pixels are all there, only the size check stands between the file and the
  // decoder; where they are not, the decoder would first allocate all it was told to.
  const std::vector<DeclaredSizeCase> cases = {
      {"32767 a side", BitmapFile(Info40, 32767, 32767, noPixels)},
      {"65535 a side, oldest header", BitmapFile(Core12, 65535, 65535, noPixels)},
      {"one column too wide", BitmapFile(Info40, 8193, 1, BlackPixelBytes(8193, 1))},
      {"one row too tall, top-down", BitmapFile(Info40, 1, -8193, BlackPixelBytes(1, 8193))},
      {"no columns", BitmapFile(Info40, 0, 4, noPixels)},
      {"no rows", BitmapFile(Info40, 4, 0, noPixels)},
      {"negative width", BitmapFile(Info40, -4, 4, noPixels)},
      {"lowest height", BitmapFile(Info40, 1, lowest, noPixels)},
  };
  for (const DeclaredSizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto path = folder / "cball.bmp";
    WriteBytes(path, c.file);
    ExpectInvalidPictureNamingIt(path);
  }
}

TEST(LoadPicture, LoadsTopDownRowsAndTheLargestSidesAllowed) {
  TemporaryFolder folder;
  const auto path = folder / "picture.bmp";
  const Picture original = PatternPicture(7, 3);
  WriteBytes(path, testing::TopDownBitmapFile(original));
  EXPECT_TRUE(LoadPicture(path).pixels == original.pixels);

  for (const auto& [width, height] : {std::pair{8192, 1}, std::pair{1, -8192}}) {
    WriteBytes(path,
               BitmapFile(BitmapHeaderKind::Info40, width, height, BlackPixelBytes(width, height)));
    const Picture loaded = LoadPicture(path);
    EXPECT_EQ(loaded.width, width);
    EXPECT_EQ(loaded.height, std::abs(height));
  }
}

}  // namespace
}  // namespace rallix
