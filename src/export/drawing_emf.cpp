#include "export/drawing_emf.h"

#include "engine/text_encoding.h"

extern "C" {
#include <uemf.h>
}

#include <cstdlib>
#include <stdexcept>

namespace tessaro::exporting {

namespace {

// The reference device: 960 pixels in 254 millimetres each way, 96 per inch.
constexpr int kDevicePixels = 960;
constexpr int kDeviceMillimetres = 254;

// Object slots of the metafile's handle table.
constexpr std::uint32_t kPenSlot = 1;
constexpr std::uint32_t kBrushSlot = 2;
constexpr std::uint32_t kFontSlot = 3;

U_COLORREF ColorRef(TColor color)
{
    return colorref3_set(RedOf(color), GreenOf(color), BlueOf(color));
}

// The records in order; each record libuemf made is freed once copied.
class RecordWriter {
public:
    void add(char* record)
    {
        if (!record)
            throw std::bad_alloc();
        const auto* emr = reinterpret_cast<const U_EMR*>(record);
        bytes_.append(record, emr->nSize);
        std::free(record);
        ++records_;
    }
    std::string finish(std::uint16_t handles)
    {
        auto* header = reinterpret_cast<U_EMRHEADER*>(bytes_.data());
        header->nBytes = std::uint32_t(bytes_.size());
        header->nRecords = records_;
        header->nHandles = handles;
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    std::uint32_t records_ = 0;
};

std::u16string Description(const Drawing& d)
{
    std::u16string text = Utf8ToUtf16(d.creator);
    text += u'\0';
    text += Utf8ToUtf16(d.title);
    text += u'\0';
    text += u'\0';
    return text;
}

void AddRect(RecordWriter& out, const DrawnRect& r)
{
    out.add(U_EMRCREATEBRUSHINDIRECT_set(kBrushSlot, logbrush_set(U_BS_SOLID, ColorRef(r.fill), 0)));
    out.add(U_EMRSELECTOBJECT_set(kBrushSlot));
    out.add(U_EMRRECTANGLE_set(rectl_set(pointl_set(r.x, r.y), pointl_set(r.x + r.width, r.y + r.height))));
    out.add(U_EMRSELECTOBJECT_set(U_WHITE_BRUSH));
    out.add(U_EMRDELETEOBJECT_set(kBrushSlot));
}

void AddText(RecordWriter& out, const DrawnText& t, const CharacterAdvances& advances)
{
    std::u16string face = Utf8ToUtf16(t.family);
    face.resize(std::min<std::size_t>(face.size(), U_LF_FACESIZE - 1));
    std::u16string faceZ = face + u'\0';
    const U_LOGFONT font =
        logfont_set(-t.pixelSize(), 0, 0, 0, U_FW_NORMAL, 0, 0, 0, U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS,
                    U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH,
                    reinterpret_cast<uint16_t*>(faceZ.data()));
    U_LOGFONT_PANOSE panose =
        logfont_panose_set(font, reinterpret_cast<uint16_t*>(faceZ.data()), nullptr, 0, U_PAN_ALL1);
    out.add(U_EMREXTCREATEFONTINDIRECTW_set(kFontSlot, nullptr, reinterpret_cast<const char*>(&panose)));
    out.add(U_EMRSELECTOBJECT_set(kFontSlot));
    out.add(U_EMRSETTEXTCOLOR_set(ColorRef(t.color)));

    std::u16string text = Utf8ToUtf16(t.text);
    const auto length = std::uint32_t(text.size());
    // One advance per UTF-16 unit (at least one slot, as the record holds).
    std::vector<std::int32_t> dx = advances(t);
    dx.resize(std::max<std::size_t>(length, 1), 0);
    char* emrText = emrtext_set(pointl_set(t.x, t.y), length, 2, text.data(), U_ETO_NONE, U_RCL_DEF,
                                reinterpret_cast<uint32_t*>(dx.data()));
    if (!emrText)
        throw std::bad_alloc();
    char* record = U_EMREXTTEXTOUTW_set(U_RCL_DEF, U_GM_COMPATIBLE, 1.0f, 1.0f, reinterpret_cast<PU_EMRTEXT>(emrText));
    std::free(emrText);
    out.add(record);
    out.add(U_EMRSELECTOBJECT_set(U_SYSTEM_FONT));
    out.add(U_EMRDELETEOBJECT_set(kFontSlot));
}

} // namespace

std::string DrawingEmf(const Drawing& d, const CharacterAdvances& advances)
{
    RecordWriter out;
    std::u16string description = Description(d);
    const U_RECTL bounds = rectl_set(pointl_set(0, 0), pointl_set(std::max(d.width - 1, 0), std::max(d.height - 1, 0)));
    // The frame in hundredths of a millimetre.
    const auto hundredths = [](int pixels) { return int32_t((pixels * 2540 + 48) / 96); };
    const U_RECTL frame = rectl_set(pointl_set(0, 0), pointl_set(hundredths(d.width), hundredths(d.height)));
    out.add(U_EMRHEADER_set(bounds, frame, nullptr, U_CBSTR(description.size()),
                            reinterpret_cast<uint16_t*>(description.data()), sizel_set(kDevicePixels, kDevicePixels),
                            sizel_set(kDeviceMillimetres, kDeviceMillimetres), 0));
    out.add(U_EMRSETMAPMODE_set(U_MM_TEXT));
    out.add(U_EMRSETBKMODE_set(U_TRANSPARENT));
    out.add(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));

    // The white page, without a pen.
    out.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    out.add(U_EMRSELECTOBJECT_set(U_WHITE_BRUSH));
    out.add(U_EMRRECTANGLE_set(rectl_set(pointl_set(0, 0), pointl_set(d.width, d.height))));

    out.add(U_EMRCREATEPEN_set(kPenSlot, logpen_set(U_PS_SOLID, point32_set(1, 1), colorref3_set(0, 0, 0))));
    bool penSelected = false;
    for (const DrawnRect& r : d.rects) {
        if (r.outline != penSelected) {
            out.add(U_EMRSELECTOBJECT_set(r.outline ? kPenSlot : U_NULL_PEN));
            penSelected = r.outline;
        }
        AddRect(out, r);
    }
    out.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    out.add(U_EMRDELETEOBJECT_set(kPenSlot));
    for (const DrawnText& t : d.texts)
        AddText(out, t, advances);
    // libuemf notes the palette entries of the end record in its tracker.
    EMFTRACK tracker{};
    out.add(U_EMREOF_set(0, nullptr, &tracker));
    return out.finish(std::uint16_t(kFontSlot + 1));
}

} // namespace tessaro::exporting
