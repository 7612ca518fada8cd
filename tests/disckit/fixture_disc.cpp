#include "fixture_disc.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "bmp_writer.h"
#include "image.h"
#include "jpeg_writer.h"

namespace {

const char kLanguages[] =
    "<window width=200 height=100 bgcolor=\"1;2;3\"/>\n"
    "<item type=button name=pl text=\"Polski\" image=\"Menu\\flag.bmp\" positionX=0 "
    "positionY=0 width=40 height=20/>\n";

const char kMenu[] =
    "<window title=\"Demo\" width=640 height=480 intro=true outro=true/>\n"
    "<item type=button name=close image=\"Menu\\close.bmp\" positionX=600 positionY=0 "
    "width=20 height=20/>\n"
    "<item type=button name=help image=\"Menu\\close.bmp\" positionX=570 positionY=0 "
    "width=20 height=20/>\n"
    "<item type=button name=story text=\"CD\" image=\"Menu\\close.bmp\" positionX=540 "
    "positionY=0 width=20 height=20/>\n"
    "<item type=text name=title bgcolor=\"255;255;255\" positionX=0 positionY=0 width=100 "
    "height=20/>\n"
    "<item type=image name=screen positionX=0 positionY=100 width=200 height=150/>\n"
    "<item type=banner name=ad image=\"Menu\\banner.jpg\" positionX=0 positionY=400 width=100 "
    "height=50 timer=500/>\n"
    "<menu name=games text=\"Gry\" image=\"Menu\\cat.bmp\" positionX=0 positionY=40 width=50 "
    "height=20/>\n"
    "<menuitem parent=games image=\"Menu\\app.bmp\" positionX=100 positionY=40 width=50 "
    "height=20 maxitems=3/>\n"
    "<application type=games title=\"One\" exec=\"setup\\one.exe\" instruction=\"docs\\one.txt\" "
    "www=\"https://example.com/\" screen=\"Menu\\shot.jpg\"/>\n";

const char kPlayer[] =
    "<window width=300 height=200/>\n"
    "<audio type=mp3 file=\"Menu\\tune.wav\"/>\n"
    "<item type=button name=close image=\"Menu\\close.bmp\" positionX=280 positionY=0 width=20 "
    "height=20/>\n"
    "<item type=region name=status positionX=0 positionY=180 width=300 height=20/>\n";

}  // namespace

namespace {

std::string Bytes(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

std::string BitmapFile(int width, int height) {
    return Bytes(encode_bmp(Image(width, height, Rgba{64, 64, 64})));
}

std::string JpegFile(int width, int height) {
    return Bytes(encode_jpeg(Image(width, height, Rgba{128, 128, 128}), 80));
}

FixtureDisc::FixtureDisc() {
    files_ = {
        {"Menu/lang.dat", kLanguages},
        {"Menu/pl.dat", kMenu},
        {"Menu/cda.dat", kPlayer},
        {"Menu/flag.bmp", BitmapFile(120, 20)},
        {"Menu/close.bmp", BitmapFile(60, 20)},
        {"Menu/cat.bmp", BitmapFile(150, 20)},
        {"Menu/app.bmp", BitmapFile(150, 20)},
        {"Menu/cdabg.bmp", BitmapFile(300, 200)},
        {"Menu/banner.jpg", JpegFile(300, 50)},
        {"Menu/shot.jpg", JpegFile(20, 15)},
        {"Menu/menumain.jpg", JpegFile(64, 48)},
        {"Menu/outro.jpg", JpegFile(64, 48)},
        {"Menu/tune.wav", "RIFF"},
        {"setup/one.exe", "MZ"},
        {"docs/one.txt", "read me\n"},
        {"pomoc_pl.txt", "Pomoc\n"},
        {"autorun.inf", "[autorun]\r\nopen=start.exe\r\nicon=start.exe\r\n"},
        {"version.dat", "Title=Demo\nMajor=1\nMinor=0\nBuild=7\n"},
    };
}

void FixtureDisc::Edit(const std::string& file, std::string_view from, std::string_view to) {
    std::string& content = files_.at(file);
    const size_t at = content.find(from);
    if (at == std::string::npos) throw std::invalid_argument("not in " + file);
    content.replace(at, from.size(), to);
}

void FixtureDisc::WriteTo(const std::filesystem::path& root) const {
    for (const auto& [name, content] : files_) {
        const std::filesystem::path path = root / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
    }
}
