#include "catalogo.h"

#include "fontedados.h"
#include "textosproprios.h"
#include <QHash>
#include <algorithm>

void Catalogo::Dobra(EntradaCatalogo& e) const {
    e.dobrado = DobraProcura(e.chave + QLatin1Char(' ') + e.significado + QLatin1Char(' ') + e.Actual() +
                             (e.editado ? QLatin1Char(' ') + e.enviado : QString()));
}

void Catalogo::Carrega(FonteDados& enviados, TextosProprios& proprios) {
    m_entradas.clear();
    QHash<QString, TextoProprio> meus = proprios.Todos();
    enviados.MoveFirst();
    for (; !enviados.EOF_(); enviados.MoveNext()) {
        EntradaCatalogo e;
        e.chave = enviados.Campo(QStringLiteral("codigo"));
        bool numero = false;
        e.codigo = e.chave.toInt(&numero);
        if (!numero) continue;
        e.enviado = enviados.Campo(QStringLiteral("Texto"));
        e.temEnviado = true;
        m_entradas << e;
    }
    for (const TextoProprio& m : meus) {
        if (std::any_of(m_entradas.cbegin(), m_entradas.cend(), [&](const auto& e) { return e.chave == m.codigo; }))
            continue;
        EntradaCatalogo e;
        e.chave = m.codigo;
        e.codigo = m.codigo.toInt();
        m_entradas << e;
    }
    std::sort(m_entradas.begin(), m_entradas.end(), [](const auto& a, const auto& b) { return a.codigo < b.codigo; });
    for (EntradaCatalogo& e : m_entradas) {
        e.significado = Significado(e.codigo);
        if (e.significado.isEmpty()) e.significado = QStringLiteral("Código %1").arg(e.chave);
        e.familia = FamiliaDe(e.codigo);
        const auto m = meus.constFind(e.chave);
        e.editado = m != meus.cend();
        if (e.editado) e.proprio = m->texto;
        Dobra(e);
    }
}

QList<int> Catalogo::Filtra(int familia, bool soEditados, const QString& procura) const {
    const QStringList palavras = DobraProcura(procura).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<int> r;
    for (int i = 0; i < m_entradas.size(); ++i) {
        const EntradaCatalogo& e = m_entradas[i];
        if ((familia >= 0 && int(e.familia) != familia) || (soEditados && !e.editado)) continue;
        if (std::all_of(palavras.cbegin(), palavras.cend(), [&](const QString& p) { return e.dobrado.contains(p); }))
            r << i;
    }
    return r;
}

int Catalogo::Indice(int32_t codigo) const {
    const auto i = std::lower_bound(m_entradas.cbegin(), m_entradas.cend(), codigo,
                                    [](const auto& e, int32_t c) { return e.codigo < c; });
    return i != m_entradas.cend() && i->codigo == codigo ? int(i - m_entradas.cbegin()) : -1;
}

void Catalogo::Actualiza(int indice, TextosProprios& proprios) {
    EntradaCatalogo& e = m_entradas[indice];
    e.editado = proprios.Tem(e.chave);
    e.proprio = e.editado ? proprios.Entrada(e.chave).texto : QString();
    Dobra(e);
}
