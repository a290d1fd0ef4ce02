#include "e2e/StartFixtures.h"

#include <map>
#include <utility>

#include "e2e/DataFile.h"

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string Header(const std::string& count) {
    std::string h = "[SYSTEM]\r\nAPPNAME=Corvana\r\nMESSAGE=x\r\nVERSION=Ver.:1.1.6.193\r\nSAVEFORMAT=0\r\n";
    if (!count.empty())
        h += "MEMLTENUM=" + count + "\r\n";
    return h;
}

// A desktop note, opened at the first tracking tick; a key given in
// changed takes the place of the plain one.
std::string DesktopNote(const std::string& section, int left, const std::string& text, const Keys& changed = {}) {
    Keys keys = {{"TITLEFLAG", "1"},     {"PRECESSEFLAG", "1"},  {"EXTENTFLAG", "0"},
                 {"FULL", "1"},          {"TITLE", "DESKTOP"},   {"EXENAME", "DESKTOP"},
                 {"EXEPATH", "DESKTOP"}, {"REC_TOP", "200"},     {"REC_BOTTOM", "260"},
                 {"REC_LEFT", std::to_string(left)},             {"REC_RIGHT", std::to_string(left + 200)},
                 {"TEXTFORMAT", "0"},    {"TEXT", HexOf(text)}};
    std::map<std::string, std::string> extra(changed.begin(), changed.end());
    std::string s = "[" + section + "]\r\n";
    for (auto& [key, value] : keys) {
        auto it = extra.find(key);
        s += key + "=" + (it == extra.end() ? value : it->second) + "\r\n";
        if (it != extra.end())
            extra.erase(it);
    }
    for (auto& [key, value] : changed)
        if (extra.count(key))
            s += key + "=" + value + "\r\n";
    return s;
}

std::string Item(int i) { return "MEMLETITEM" + std::to_string(i); }

// Three desktop notes side by side under the header given.
std::string ThreeNotes(const std::string& count) {
    return Header(count) + DesktopNote(Item(0), 300, "一つ目") + DesktopNote(Item(1), 550, "二つ目") +
           DesktopNote(Item(2), 800, "三つ目");
}

// Every number a note keeps, at one value.
Keys AllNumbers(const std::string& v) {
    Keys keys;
    for (const char* key : {"TITLEFLAG", "PRECESSEFLAG", "EXTENTFLAG", "EXFULLFLAG", "FULL", "EXCTLID", "REC_TOP",
                            "REC_BOTTOM", "REC_LEFT", "REC_RIGHT", "TGT_TOP", "TGT_BOTTOM", "TGT_LEFT", "TGT_RIGHT",
                            "READONLY", "TRANSPARENT", "MOUSEHIDECTL", "COLOR", "FRAME", "BKCOLOR", "TXCOLOR",
                            "BKTRANSPARENT", "PICKPOS", "GRAFLG", "GRAPTN", "FONTHEIGHT", "FONTWEIGHT", "FONTITALIC",
                            "ARWFLAG", "ARWSATRTX", "ARWSTARTY", "ARWENDX", "ARWENDY", "ARLINEWIDTH"})
        keys.push_back({key, v});
    return keys;
}

// The look and the place of a desktop note at hostile values, the match
// kept so that the note opens, with its leader line.
Keys HostileLook(const std::string& v) {
    Keys keys = AllNumbers(v);
    Keys kept;
    for (auto& kv : keys)
        if (kv.first != "TITLEFLAG" && kv.first != "PRECESSEFLAG" && kv.first != "EXTENTFLAG" && kv.first != "FULL" &&
            kv.first != "ARWFLAG")
            kept.push_back(kv);
    kept.push_back({"ARWFLAG", "1"});
    kept.push_back({"FONTFACENAME", "ＭＳ Ｐゴシック"});
    return kept;
}

std::string Repeat(const std::string& s, size_t n) {
    std::string out;
    for (size_t i = 0; i < n; i++)
        out += s;
    return out;
}

std::vector<CStartFixture> Make() {
    std::vector<CStartFixture> f;
    f.push_back({"plain", ThreeNotes("3"), {}});
    f.push_back({"no-files", {}, {}});
    // The start that once ended by itself.
    f.push_back({"count-int-max", ThreeNotes("2147483647"), {}});
    f.push_back({"count-int-max-pending", ThreeNotes("3"), ThreeNotes("2147483647")});
    f.push_back({"count-huge-far-section",
                 Header("2000000000") + DesktopNote(Item(0), 300, "一") + DesktopNote("MEMLETITEM1999999999", 550, "x"),
                 {}});
    f.push_back({"count-past-32-bits", ThreeNotes("99999999999"), {}});
    f.push_back({"count-int-min", ThreeNotes("-2147483648"), ThreeNotes("-2147483648")});
    f.push_back({"count-negative", ThreeNotes("-3"), {}});
    f.push_back({"count-not-a-number", ThreeNotes("abc"), ThreeNotes("0x")});
    f.push_back({"count-zero", ThreeNotes("0"), {}});
    f.push_back({"count-missing", ThreeNotes(""), {}});
    f.push_back({"count-below-sections", ThreeNotes("2"), {}});
    f.push_back({"count-gap", Header("4") + DesktopNote(Item(0), 300, "一") + DesktopNote(Item(2), 800, "三"), {}});
    f.push_back({"odd-section-names",
                 Header("2147483647") + DesktopNote("memletitem0", 300, "小文字") +
                     DesktopNote("MEMLETITEM01", 550, "01") + DesktopNote(" MEMLETITEM1 ", 550, "空白") +
                     DesktopNote("MEMLETITEM-1", 800, "負") + DesktopNote("MEMLETITEM2147483648", 800, "2^31") +
                     DesktopNote("MEMLETITEM", 800, "番号なし") + DesktopNote("MEMLETITEM３", 800, "全角"),
                 {}});
    // Every index below the largest taken gives a note of its own.
    f.push_back({"section-at-the-limit", Header("2147483647") + DesktopNote("MEMLETITEM99999", 300, "最後"), {}});
    f.push_back({"values-int-max",
                 Header("2147483647") + DesktopNote(Item(0), 300, "max", HostileLook("2147483647")) +
                     DesktopNote(Item(1), 550, "min", HostileLook("-2147483648")) +
                     DesktopNote(Item(2), 800, "-1", HostileLook("-1")),
                 {}});
    f.push_back({"values-past-32-bits",
                 Header("3") + DesktopNote(Item(0), 300, "big", HostileLook("4294967295")) +
                     DesktopNote(Item(1), 550, "bigger", HostileLook("99999999999")) +
                     DesktopNote(Item(2), 800, "hex", HostileLook("0x7fffffff")),
                 {}});
    f.push_back({"rects-hostile",
                 Header("3") +
                     DesktopNote(Item(0), 300, "wide",
                                 {{"REC_LEFT", "-2147483648"}, {"REC_RIGHT", "2147483647"}, {"ARWFLAG", "1"},
                                  {"ARWSATRTX", "2147483647"}, {"ARWENDX", "-2147483648"}}) +
                     DesktopNote(Item(1), 550, "reversed",
                                 {{"REC_LEFT", "2147483000"}, {"REC_RIGHT", "-2147483000"}, {"REC_TOP", "2147483647"},
                                  {"REC_BOTTOM", "-2147483648"}, {"FRAME", "1"}}) +
                     DesktopNote(Item(2), 800, "far",
                                 {{"REC_LEFT", "2147483447"}, {"REC_RIGHT", "2147483647"}, {"REC_TOP", "2147483587"},
                                  {"REC_BOTTOM", "2147483647"}, {"ARWFLAG", "1"}, {"ARLINEWIDTH", "2147483647"}}),
                 {}});
    const std::string longTitle = Repeat("長", 5000);
    f.push_back({"long-texts",
                 Header("3") +
                     DesktopNote(Item(0), 300, Repeat("あ", 2047),
                                 {{"FONTFACENAME", Repeat("Ｆ", 100)}, {"EXTEXT", longTitle}, {"PART", longTitle}}) +
                     DesktopNote(Item(1), 550, "", {{"TEXT", Repeat("41", 20000)}, {"EXEPATH", longTitle}}) +
                     DesktopNote(Item(2), 800, "", {{"TEXT", Repeat("8", 8191)}, {"EXCLASS", longTitle}}),
                 {}});
    f.push_back({"propaty-hostile", ThreeNotes("3"), {},
                 "[SYSTEM]\r\nSAVETIMING=1\r\nTRANSPARENT=-2147483648\r\nCOLOR=2147483647\r\nFRAME=-1\r\n"
                 "BKCOLOR=-2147483648\r\nGRAFLG=1\r\nGRAPTN=2147483647\r\nTXCOLOR=-1\r\nPICKPOS=99\r\n"
                 "FONTFACENAME=" + Repeat("Ｆ", 100) + "\r\nFONTHEIGHT=-2147483648\r\nFONTWEIGHT=2147483647\r\n"
                 "ARWFLAG=1\r\nINIHEIGHT=2147483647\r\nINIWIDTH=-2147483648\r\nARROWLINEWIDTH=2147483647\r\n"
                 "POSINTERVAL=2147483647\r\n[HK_PAST]\r\nMODIFIERS=-1\r\nKEY=2147483647\r\n"
                 "[HK_PASTDT]\r\nMODIFIERS=4294967295\r\nKEY=-2147483648\r\n[SV_FORMAT]\r\nFORMAT=2147483647\r\n"});
    return f;
}

}  // namespace

const std::vector<CStartFixture>& StartFixtures() {
    static const std::vector<CStartFixture> fixtures = Make();
    return fixtures;
}
