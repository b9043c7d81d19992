// Reads one request a line on standard input and answers each on standard
// output, for the comparison with the reference colour libraries:
//   conv R G B           OKLab, OKLCH, Lab, LCH and display-p3 values
//   apca R G B R G B     APCA Lc of the first colour as text on the second
//   map L C H            the OKLCH colour gamut-mapped into sRGB bytes
//   parse TEXT           the bytes of a CSS colour text, or "none"
//   css R G B            the CSS texts of the colour, tab-separated
#include "engine/apca.h"
#include "engine/css_color.h"
#include "engine/gamut_map.h"
#include "engine/perceptual.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

using namespace tessaro;

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string request;
        in >> request;
        if (request == "conv") {
            unsigned r, g, b;
            in >> r >> g >> b;
            const TColor c = MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
            const OkLab ok = ColorToOkLab(c);
            const OkLch okc = ColorToOkLch(c);
            const CieLab lab = ColorToLab(c);
            const CieLch lch = ColorToLch(c);
            const Rgb01 p3 = ColorToDisplayP3(c);
            std::printf("%.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g %.15g\n",
                        ok.l, ok.a, ok.b, okc.l, okc.c, okc.h, lab.l, lab.a, lab.b, lch.l, lch.c, lch.h, p3.r, p3.g,
                        p3.b);
        } else if (request == "apca") {
            unsigned v[6];
            for (unsigned& x : v) in >> x;
            std::printf("%.15g\n", ApcaContrast(MakeColor(std::uint8_t(v[0]), std::uint8_t(v[1]), std::uint8_t(v[2])),
                                                MakeColor(std::uint8_t(v[3]), std::uint8_t(v[4]), std::uint8_t(v[5]))));
        } else if (request == "map") {
            double l, c, h;
            in >> l >> c >> h;
            const TColor mapped = GamutMapToColor(OkLch{l, c, h});
            std::printf("%d %d %d\n", RedOf(mapped), GreenOf(mapped), BlueOf(mapped));
        } else if (request == "parse") {
            const std::optional<TColor> color = ParseCssColor(line.substr(6));
            if (color) std::printf("%d %d %d\n", RedOf(*color), GreenOf(*color), BlueOf(*color));
            else std::printf("none\n");
        } else if (request == "css") {
            unsigned r, g, b;
            in >> r >> g >> b;
            const TColor c = MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
            std::string out;
            for (CssNotation notation : kCssNotations) out += CssColorText(notation, c) + "\t";
            std::printf("%s\n", out.c_str());
        } else {
            std::printf("unknown\n");
        }
        std::fflush(stdout);
    }
}
