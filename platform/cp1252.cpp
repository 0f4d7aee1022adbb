#include "cp1252.h"

#include <QStringDecoder>
#include <algorithm>

namespace {
// Code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves unassigned.
constexpr char16_t kAltos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteDe(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] != 0 && kAltos[i] == c)
            return 0x80 + i;
    return -1;
}
} // namespace

QString DeCp1252(const QByteArray& bytes) {
    QString s;
    s.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            s.append(QChar(kAltos[b - 0x80] ? kAltos[b - 0x80] : char16_t(0xFFFD)));
        else
            s.append(QChar(char16_t(b)));
    }
    return s;
}

// A character outside the Basic Multilingual Plane is one unit of text: one '?' in the file
// and one entry in the list of characters that cannot be held.
namespace {
qsizetype unidade(const QString& texto, qsizetype i) {
    return texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate() ? 2 : 1;
}
} // namespace

bool ParaCp1252(const QString& texto, QByteArray& saida) {
    saida.clear();
    saida.reserve(texto.size());
    bool tudo = true;
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype n = unidade(texto, i);
        const int b = n == 1 ? byteDe(texto[i].unicode()) : -1;
        if (b < 0) {
            tudo = false;
            saida.append('?');
        } else {
            saida.append(static_cast<char>(b));
        }
        i += n;
    }
    return tudo;
}

bool CabeEmCp1252(const QString& texto) {
    for (QChar c : texto)
        if (byteDe(c.unicode()) < 0)
            return false;
    return true;
}

QString ForaDeCp1252(const QString& texto) {
    QString fora;
    for (qsizetype i = 0; i < texto.size();) {
        const qsizetype n = unidade(texto, i);
        const QStringView c = QStringView(texto).mid(i, n);
        if ((n == 2 || byteDe(texto[i].unicode()) < 0) && !fora.contains(c))
            fora.append(c);
        i += n;
    }
    return fora;
}

QString DecodificaTexto(const QByteArray& bytes, CodificacaoTexto* lida) {
    const bool marca = bytes.startsWith("\xEF\xBB\xBF");
    bool utf8 = marca;
    if (!utf8 && std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        QStringDecoder decodificador(QStringDecoder::Utf8);
        const QString texto = decodificador(bytes);
        if (!decodificador.hasError()) {
            if (lida)
                *lida = CodificacaoTexto::Utf8;
            return texto;
        }
    }
    if (lida)
        *lida = utf8 ? CodificacaoTexto::Utf8 : CodificacaoTexto::Cp1252;
    return utf8 ? QString::fromUtf8(bytes.mid(3)) : DeCp1252(bytes);
}
