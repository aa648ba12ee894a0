#pragma once

#include <QByteArray>
#include <QList>

// Text files as users have them, each with what it stands for. The text-file
// tests and the code editor's tests read every one, and both must write it
// back byte for byte.
struct TTextFileSample {
    const char *what;
    QByteArray bytes;
};

inline QList<TTextFileSample> TextFileSamples()
{
    return {
        {"ASCII, LF", QByteArray("plain ascii\n")},
        {"UTF-8, CR LF", QByteArray("Gr\xc3\xbc\xc3\x9f" "e\r\nzwei\r\n")},
        {"UTF-8 with BOM, no final line break", QByteArray("\xef\xbb\xbf" "BOM \xe2\x82\xac")},
        {"UTF-16 LE with BOM", QByteArray("\xff\xfe" "A\0\xac\x20\r\0", 8)},
        {"UTF-16 BE with BOM", QByteArray("\xfe\xff\0A\x20\xac", 6)},
        {"UTF-16 LE with BOM, a surrogate pair, CR LF", QByteArray("\xff\xfe" "a\0=\xd8\0\xde\r\0\n\0b\0", 14)},
        {"UTF-16 BE with BOM, LF, no final line break", QByteArray("\xfe\xff\0x\0\n\0\xe4", 8)},
        {"Windows-1252, CR", QByteArray("Gr\xf6\xdf" "e \x80\rMac\r")},
        {"UTF-8 BOM, not UTF-8 (found by fuzzing)", QByteArray("\xef\xbb\xbf\x9f" "e\x05\xff" "ei\n")},
        {"UTF-8 BOM, then Windows-1252 umlauts", QByteArray("\xef\xbb\xbf" "Gr\xfc\xdf" "e\r\n")},
        {"two BOMs: the second is text", QByteArray("\xef\xbb\xbf\xef\xbb\xbf" "x")},
        {"lone CR", QByteArray("eins\rzwei\rdrei")},
        {"mixed line breaks", QByteArray("a\r\nb\nc\rd\n\re\r\n")},
        {"NUL bytes", QByteArray("a\0b\n\0\0c\n", 9)},
        {"no final line break", QByteArray("erste\nletzte Zeile")},
        {"empty file", QByteArray()},
        {"only a UTF-8 BOM", QByteArray("\xef\xbb\xbf")},
        {"UTF-8 cut inside its last character", QByteArray("Euro \xe2\x82")},
        {"UTF-16 LE BOM, odd length", QByteArray("\xff\xfe" "a\0b", 5)},
        {"UTF-16 LE BOM, lone high surrogate", QByteArray("\xff\xfe" "a\0=\xd8" "b\0", 8)},
        {"UTF-16 BE BOM, lone low surrogate at the end", QByteArray("\xfe\xff\0a\xdc\0", 6)},
    };
}
