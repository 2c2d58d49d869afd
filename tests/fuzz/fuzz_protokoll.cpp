// A pupil's protocol as the protocol viewer shows and prints it: the first two bytes choose the analysis and
// the width at which the path line wraps, the rest is the file.

#include "analyses/f_prot_logik.h"
#include "umgebung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    static const int codes[] = { 1, 2, 3, 11, 12, 13, 14, 15, 16, 17, 20, 0 };
    const int code = codes[data[0] % 12];
    const int zeichen = 1 + data[1] % 120;
    const QString pfad = fuzz::datei(QStringLiteral("protokoll.txt"), data + 2, size - 2);
    const int n = prot::lesen(pfad);
    fuzz::pruefen(n >= 0 && n <= prot::kMaxZeilen, "more lines than a protocol holds");
    prot::bildschirm(code, n, zeichen);
    fuzz::pruefen(!prot::druckseiten(code, n, zeichen).isEmpty(), "no page");
    return 0;
}
