// The text records of an enhanced metafile read back: each line's text and
// the advance its record gives every character.
#pragma once

extern "C" {
#include <uemf.h>
}

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tessaro::exporting::test {

struct EmfTextRecord {
    std::u16string text;
    std::vector<std::int32_t> advances;
};

// Walks the records up to the end record; offsets inside a record are
// taken as the file gives them (the bytes come from our own writer).
inline std::vector<EmfTextRecord> EmfTextRecords(const std::string& bytes)
{
    std::vector<EmfTextRecord> texts;
    std::size_t offset = 0;
    while (offset + sizeof(U_EMR) <= bytes.size()) {
        const char* record = bytes.data() + offset;
        U_EMR emr;
        std::memcpy(&emr, record, sizeof emr);
        if (emr.nSize < sizeof(U_EMR) || emr.iType == U_EMR_EOF)
            break;
        if (emr.iType == U_EMR_EXTTEXTOUTW) {
            U_EMREXTTEXTOUTW head;
            std::memcpy(&head, record, sizeof head);
            const U_EMRTEXT& t = head.emrtext;
            // After fOptions: the clipping rectangle unless left out, then
            // the offset of the advances.
            std::size_t at = offsetof(U_EMREXTTEXTOUTW, emrtext) + sizeof(U_EMRTEXT);
            if (!(t.fOptions & U_ETO_NO_RECT))
                at += sizeof(U_RECTL);
            std::uint32_t offDx = 0;
            std::memcpy(&offDx, record + at, sizeof offDx);
            EmfTextRecord text;
            text.text.resize(t.nChars);
            std::memcpy(text.text.data(), record + t.offString, 2 * t.nChars);
            text.advances.resize(t.nChars);
            std::memcpy(text.advances.data(), record + offDx, 4 * t.nChars);
            texts.push_back(std::move(text));
        }
        offset += emr.nSize;
    }
    return texts;
}

} // namespace tessaro::exporting::test
