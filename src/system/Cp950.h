#pragma once

#include <QByteArray>
#include <QString>

// Every data file of the program is Big5 text in Windows code page 950.
namespace Cp950 {

// The converter's name for the code page.
inline constexpr char CodecName[] = "windows-950";

QByteArray encode(QStringView text);
// Bytes that do not decode become U+FFFD; ok, when given, tells whether all bytes decoded.
QString decode(QByteArrayView bytes, bool* ok = nullptr);
// True when the text survives a trip through the code page unchanged.
bool canEncode(QStringView text);

} // namespace Cp950
