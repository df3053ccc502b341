#pragma once

#include <QByteArrayView>
#include <QString>

// The Windows-1252 code page: what a knowledge file that is not UTF-8 is read
// as, and the codes the console's cipher shifts.
namespace Windows1252 {

// The character for a code 0 to 255. The five codes the code page leaves
// undefined map to the C1 control characters of the same number, as the
// system's decoder maps them.
char32_t Char(int nCode);
// The code of one code point, or -1 when the code page lacks it.
int Code(char32_t codePoint);
// 0x81, 0x8D, 0x8F, 0x90 and 0x9D: no character of the code page.
bool IsUndefined(uchar byte);
QString Decode(QByteArrayView bytes);

}  // namespace Windows1252
