// The settings file's text (IniText): any bytes read without a crash, and what is read is
// written and read again unchanged; any text written as a value reads back as that text.
#include "FuzzCheck.h"

#include "settings/store/IniText.h"

namespace {

void value(const QString &text)
{
    const QByteArray form = IniText::WriteValue(text);
    FUZZ_CHECK(IniText::ReadValue(form) == QVariant(text));
    // Only quoted values hold escapes; an unquoted one is the text itself (an "@" doubled).
    if (!form.startsWith('"')) {
        FUZZ_CHECK(!form.contains('\\'));
        const QString literal = text.startsWith(u'@') ? u'@' + text : text;
        FUZZ_CHECK(form == literal.toUtf8());
    }
}

void file(const QByteArray &bytes)
{
    const IniText::ReadResult read = IniText::Read(bytes);
    const QSettings::SettingsMap again = IniText::Read(IniText::Write(read.values)).values;
    FUZZ_CHECK(again.keys() == read.values.keys());
    for (auto it = read.values.cbegin(); it != read.values.cend(); ++it)
        if (it.value().typeId() == QMetaType::QString || it.value().typeId() == QMetaType::QByteArray)
            FUZZ_CHECK(again.value(it.key()) == it.value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    file(bytes);
    value(QString::fromUtf8(bytes));
    value(QString::fromLatin1(bytes));
    return 0;
}
