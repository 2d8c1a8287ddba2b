// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the committed seed corpora: the demo file and edge-case images built field by field,
// each with a script of window events or a report's language, margins and title after the image,
// small pictures for the BMP encoder, and hostile file names and labels for the export names.
//   make_fuzz_seeds examples/demo.dat fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "fixtures/image_builder.h"

namespace {

namespace fs = std::filesystem;
using mirelta::fixtures::ImageBuilder;
using Bytes = std::vector<std::uint8_t>;

void Write(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Every kind of step of the pipeline harness once: screens, picks, languages, pointer inside and
// outside the plot, wheel both ways, reference steps to both limits, pictures, timer ticks.
const Bytes kScript = {0,   1, 0,  1, 3, 0, 2,   1,  0,   0,   2, 0,   1,  5,   0,   4, 100,
                       100, 7, 0,  0, 3, 0, 120, 3,  255, 136, 5, 1,   0,  5,   1,   0, 5,
                       1,   0, 5,  1, 0, 6, 200, 30, 5,   0,   0, 5,   0,  0,   5,   0, 0,
                       5,   0, 0,  5, 0, 0, 5,   0,  0,   5,   0, 0,   4,  250, 250, 0, 0,
                       0,   1, 31, 0, 6, 0, 0,   2,  0,   0,   6, 255, 255};

Bytes WithScript(Bytes image) {
    image.insert(image.end(), kScript.begin(), kScript.end());
    return image;
}

// Language, pass and fail margin bytes, then the title.
Bytes WithReportChoices(Bytes image, std::uint8_t language, std::uint8_t pass, std::uint8_t fail,
                        const std::string& title) {
    image.insert(image.end(), {language, pass, fail});
    image.insert(image.end(), title.begin(), title.end());
    return image;
}

ImageBuilder Extremes() {
    using namespace mirelta::fixtures;
    ImageBuilder b;
    for (int slot = 0; slot < 32; ++slot) {
        b.addFind(slot, FindFields{.label = std::string(40, 'F'),
                                   .satellite = std::string(40, '\xD6'),
                                   .lnbType = 255,
                                   .loLow = 65535,
                                   .loHigh = 65535,
                                   .frequency = 0xFFFFFFFF,
                                   .symbolRate = 0xFFFFFFFF,
                                   .polarisation = 255,
                                   .quality = 255,
                                   .strength = 255,
                                   .powerLevel = 65535,
                                   .cn = 0xFFFFFFFF,
                                   .berMantissa = 0xFFFFFFFF,
                                   .berExponent = 255,
                                   .system = 255,
                                   .modcod = 255,
                                   .codeRate = 255,
                                   .lockFlag = 255});
        SpectrumFields s{.label = std::string(40, 'S'),
                         .leftFrequency = INT32_MIN,
                         .cursorFrequency = INT32_MAX,
                         .rightFrequency = -1,
                         .cursorLevel = INT32_MIN,
                         .spanCode = 255,
                         .system = 255,
                         .modcod = 255,
                         .codeRate = 255};
        for (std::size_t k = 0; k < s.levels.size(); ++k) {
            s.levels[k] = static_cast<std::int8_t>(k % 2 == 0 ? 127 : -128);
        }
        b.addSpectrum(slot, s);
    }
    for (int slot = 0; slot < 16; ++slot) {
        ConstellationFields c{.label = std::string(40, 'C'),
                              .frequency = 0xFFFFFFFF,
                              .symbolRate = 0xFFFFFFFF,
                              .polarisation = 255,
                              .system = 255,
                              .modcod = 255,
                              .codeRate = 255,
                              .cn = 0xFFFFFFFF,
                              .berMantissa = 0xFFFFFFFF,
                              .berExponent = 255,
                              .mer = 0xFFFFFFFF,
                              .quality = 65535,
                              .strength = 65535};
        for (std::size_t k = 0; k < c.i.size(); ++k) {
            c.i[k] = static_cast<std::int8_t>(k * 37);
            c.q[k] = static_cast<std::int8_t>(k * 91);
        }
        b.addConstellation(slot, c);
    }
    return b;
}

// The export names harness's input: entry, path length, path, label bytes.
Bytes NameSeed(std::uint8_t entry, const std::string& path, const std::string& label) {
    Bytes seed{entry, static_cast<std::uint8_t>(path.size())};
    seed.insert(seed.end(), path.begin(), path.end());
    seed.insert(seed.end(), label.begin(), label.end());
    return seed;
}

// Argument vectors for the option parsing, NUL between arguments: every command and option
// form, the values at and past their limits, and names that are not UTF-8.
Bytes Arguments(std::initializer_list<std::string> arguments) {
    Bytes bytes;
    for (const std::string& argument : arguments) {
        bytes.insert(bytes.end(), argument.begin(), argument.end());
        bytes.push_back(0);
    }
    bytes.pop_back();
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DEMO.dat CORPUS_FOLDER\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const Bytes demo{std::istreambuf_iterator<char>(in), {}};
    if (demo.size() != mirelta::fixtures::kImageSize) {
        std::fprintf(stderr, "%s is not a whole image\n", argv[1]);
        return 1;
    }
    const Bytes empty = ImageBuilder().bytes();
    const Bytes extremes = Extremes().bytes();
    // Masks full but the signature wrong: the memory counts as empty.
    Bytes wrongSignature = extremes;
    wrongSignature[0] ^= 0xFF;
    const Bytes shortFile(extremes.begin(), extremes.begin() + 1000);

    const fs::path root = argv[2];
    for (const char* target :
         {"load", "pipeline", "bmp", "export_names", "cli_options", "report"}) {
        fs::create_directories(root / target);
    }
    Write(root / "load" / "demo.dat", demo);
    Write(root / "load" / "empty.dat", empty);
    Write(root / "load" / "extremes.dat", extremes);
    Write(root / "load" / "wrong-signature.dat", wrongSignature);
    Write(root / "load" / "short.dat", shortFile);
    Write(root / "pipeline" / "demo-script", WithScript(demo));
    Write(root / "pipeline" / "empty-script", WithScript(empty));
    Write(root / "pipeline" / "extremes-script", WithScript(extremes));
    Write(root / "pipeline" / "wrong-signature-script", WithScript(wrongSignature));
    Write(root / "pipeline" / "short", shortFile);
    Write(root / "report" / "demo", demo);
    Write(root / "report" / "demo-french-titled",
          WithReportChoices(demo, 1, 140, 120, "Relev\xC3\xA9 \xE2\x9C\x93 <&>"));
    Write(root / "report" / "extremes-narrow-margins", WithReportChoices(extremes, 0, 255, 0, ""));
    Write(root / "report" / "empty-bad-title", WithReportChoices(empty, 0, 0, 0, "\xFF\xFE"));
    Write(root / "report" / "wrong-signature", wrongSignature);
    // Width, height and format bytes, then pixel bytes.
    Write(root / "bmp" / "one-pixel", {0, 0, 0, 0x12, 0x34, 0x56, 0x78});
    Write(root / "bmp" / "odd-width-rgb888", {2, 4, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    Write(root / "bmp" / "wide-rgb16", {63, 1, 2, 0xFF, 0x7F, 0x00, 0x80});
    Write(root / "bmp" / "bad-depth", {5, 5, 4 * 8, 0xAA});
    Write(root / "export_names" / "plain", NameSeed(0, "dir/one.dat", "Astra 11747H"));
    Write(root / "export_names" / "dots", NameSeed(7, "...dat", ".."));
    Write(root / "export_names" / "dot-folder", NameSeed(31, "x/..", "./"));
    Write(root / "export_names" / "slashes", NameSeed(3, "/a/b/", "../../etc/passwd"));
    Write(root / "export_names" / "nul-and-controls",
          NameSeed(12, std::string("a\0b\x1b[2J.dat", 11), std::string("\0\x07\n\r\t", 5)));
    Write(root / "export_names" / "gbk-label", NameSeed(5, "\xff\xfe.dat",
                                                        "\xd1\xc7\xcc\xab"
                                                        "7\xba\xc5"));
    Write(root / "export_names" / "long",
          NameSeed(9, std::string(250, 'n') + ".dat", std::string(300, '\xd6')));
    const fs::path cli = root / "cli_options";
    Write(cli / "list", Arguments({"list", "a.dat", "--json", "--pass-margin", "2.5",
                                   "--fail-margin=-1e0", "--read-timeout", "0.001"}));
    Write(cli / "dump", Arguments({"dump", "--csv", "--kind", "spectrum", "--", "-odd.dat"}));
    Write(cli / "describe",
          Arguments({"describe", "a.dat", "--screen=spectrum", "--record", "3", "--language", "fr",
                     "--ref-bottom", "70", "--cursor", "300,-20"}));
    Write(cli / "render", Arguments({"render", "bad\xff.dat", "--screen", "find", "-o",
                                     "out\xff.png", "--depth", "16", "--format", "JPG"}));
    Write(cli / "render-twice",
          Arguments({"render", "a.dat", "--screen", "find", "-o", "x.bmp", "--output=y.bmp"}));
    Write(cli / "render-format-path",
          Arguments({"render", "a.dat", "--screen", "find", "-o", "x", "--format", "a.png"}));
    Write(cli / "export-all", Arguments({"export-all", "a.dat", "b\xc0\xaf.dat", "-d", "",
                                         "--read-timeout", "86400", "--depth", "24"}));
    Write(cli / "report", Arguments({"report", "a.dat", "-o", "r.pdf", "--title", "\x1b]0;t\x07",
                                     "--pass-margin", "0x10", "--fail-margin", "inf"}));
    return 0;
}
