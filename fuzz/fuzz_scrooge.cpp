#include "TScrooge.h"

#include <QString>

#include <cstddef>
#include <cstdint>

// Every byte sequence must either convert or be refused with the converter's own
// error; anything else (a crash, a sanitizer report, a hang) is a fault.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TScrooge scrooge;
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        scrooge.RtfToHtml(text);
    } catch (const EScroogeError&) {
    }
    // Most inputs lack the header; convert each once more behind one so that the
    // fuzzer spends its time in the body of the converter.
    scrooge.RtfToHtml(QStringLiteral("{\\rtf1") + text);
    return 0;
}
