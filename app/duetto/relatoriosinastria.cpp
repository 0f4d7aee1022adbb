#include "relatoriosinastria.h"

#include "aspectos.h"
#include "fontedados.h"
#include "simbolos.h"
#include "textos.h"

#include <QFont>
#include <QTextDocument>

namespace {
constexpr int kTamanhoTexto = 11;

// Braces typed in a name must not open or close the text's segments: they stand in the
// private-use area while the segments are cut.
constexpr QChar kAbre(0xE000), kFecha(0xE001);
QString Protege(QString s) {
    return s.replace(QLatin1Char('{'), kAbre).replace(QLatin1Char('}'), kFecha);
}
QString Repoe(QString s) {
    return s.replace(kAbre, QLatin1Char('{')).replace(kFecha, QLatin1Char('}'));
}

QString Nome(const Pessoa& p) {
    const QString n = p.nome.trimmed();
    return n.isEmpty() ? QStringLiteral("(sem nome)") : n;
}

// "o Sol", "a Lua": the article the headings put before a point's name.
QString ComArtigo(int ponto) {
    const bool feminino = ponto == 1 || ponto == 3 || ponto == 11;
    return (feminino ? QStringLiteral("a ") : QStringLiteral("o ")) + NomePonto(ponto);
}
} // namespace

FonteDados& TextosDuetto() {
    static FonteDados f;
    return f;
}

bool AbreTextosDuetto(const QString& caminho, QString* erro) {
    const bool ok = TextosDuetto().Abre(caminho, QStringLiteral("interpretação"));
    if (!ok && erro) *erro = TextosDuetto().Erro();
    return ok;
}

int CodigoAspectoPar(int a, int tipo, int b) {
    return (a + 1) * 1000 + tipo * 100 + (b + 1);
}

bool PontoDoRelatorio(int ponto) {
    return (ponto >= 0 && ponto <= 6) || ponto == PONTO_ASC;
}

QString ExpandeTextoPar(const QString& texto, const Pessoa& primeira, const Pessoa& segunda) {
    const auto pares = [](const Pessoa& p, const char* nome, const char* o, const char* a) {
        return ParesTexto{{QString::fromLatin1(nome), Protege(Nome(p))},
                          {QString::fromLatin1(o), p.masculino ? QStringLiteral("o") : QStringLiteral("a")},
                          {QString::fromLatin1(a), p.masculino ? QString() : QStringLiteral("a")}};
    };
    const QString t = SubstituiChaves(texto, pares(primeira, "|1", "|2", "|3") + pares(segunda, "|4", "|5", "|6"));
    if (!t.contains(QLatin1Char('{'))) return Repoe(t.trimmed());
    const QString comum = WhithinText(QLatin1Char('@') + t, QStringLiteral("@"), QStringLiteral("{"));
    const QString abre = QStringLiteral("{") + (primeira.masculino ? QLatin1Char('H') : QLatin1Char('M')) +
                         (segunda.masculino ? QLatin1Char('H') : QLatin1Char('M'));
    const QString segmento = WhithinText(t, abre, QStringLiteral("}"));
    return Repoe(segmento.isEmpty() ? comum : comum + QLatin1Char(' ') + segmento);
}

RelatorioSinastria::RelatorioSinastria(const MapaDuetto& a, const MapaDuetto& b, const OrbesSinastria& orbes,
                                       FonteDados& textos, const CoresRelatorio& cores)
    : m_a(a), m_b(b), m_orbes(orbes), m_textos(textos), m_cores(cores) {}

QString RelatorioSinastria::Texto(int codigo, const Pessoa& primeira, const Pessoa& segunda) const {
    if (!m_textos.Aberta() || !m_textos.FindFirst(QStringLiteral("codigo"), QString::number(codigo))) return QString();
    return ExpandeTextoPar(m_textos.Campo(QStringLiteral("Texto")), primeira, segunda);
}

QString RelatorioSinastria::TextoAspecto(const InterAspecto& x) const {
    const QString proprio = Texto(CodigoAspectoPar(x.a, x.tipo, x.b), m_a.pessoa, m_b.pessoa);
    if (!proprio.isEmpty() || x.a == x.b) return proprio;
    return Texto(CodigoAspectoPar(x.b, x.tipo, x.a), m_b.pessoa, m_a.pessoa);
}

QString RelatorioSinastria::TextoCasa(int corpo, int casa, bool doPrimeiro) const {
    const Pessoa& de = doPrimeiro ? m_a.pessoa : m_b.pessoa;
    const Pessoa& em = doPrimeiro ? m_b.pessoa : m_a.pessoa;
    return Texto((corpo + 1) * 1000 + 300 + casa, de, em);
}

QString RelatorioSinastria::TituloAspecto(const InterAspecto& x) const {
    return QStringLiteral("%1 de %2 em %3 com %4 de %5 (orbe %6)")
        .arg(NomePonto(x.a), Nome(m_a.pessoa), NomeAspectoSinastria(x.tipo), ComArtigo(x.b), Nome(m_b.pessoa),
             TextoOrbe(x.orbe));
}

void RelatorioSinastria::Seccao(QTextDocument& doc, const QString& t) const {
    EscreveParagrafo(doc, t, m_cores.CorSub1, false, false, false, 15, true, AlinhaEsquerda);
}

void RelatorioSinastria::SubTitulo(QTextDocument& doc, const QString& t) const {
    EscreveParagrafo(doc, t, m_cores.CorSub2, true, true, false, kTamanhoTexto, true, AlinhaEsquerda);
}

void RelatorioSinastria::Paragrafo(QTextDocument& doc, const QString& t) const {
    EscreveParagrafo(doc, t, m_cores.CorTexto, false, false, false, kTamanhoTexto, true, AlinhaEsquerda);
}

void RelatorioSinastria::Sobreposicoes(QTextDocument& doc, bool doPrimeiro) {
    const Pessoa& de = doPrimeiro ? m_a.pessoa : m_b.pessoa;
    const Pessoa& em = doPrimeiro ? m_b.pessoa : m_a.pessoa;
    Seccao(doc, QStringLiteral("%1 nas Casas de %2").arg(Nome(de), Nome(em)));
    const std::array<int, N_PONTOS> casas = ::Sobreposicoes(de, em);
    for (int i = 0; i < N_CORPOS_SOBREPOSTOS; ++i) {
        const int h = casas[size_t(i)];
        QString casa = Simbolos::HouseName(int16_t(h), true);
        if (casa.contains(QLatin1Char(','))) casa += QLatin1Char(',');
        SubTitulo(doc, QStringLiteral("%1 de %2 na Casa %3 de %4").arg(NomePonto(i), Nome(de), casa, Nome(em)));
        Paragrafo(doc, TextoCasa(i, h, doPrimeiro));
        if (m_progresso) m_progresso(++m_feito / m_total);
    }
}

void RelatorioSinastria::Escreve(QTextDocument& doc) {
    // Not an edit the user could undo.
    const bool desfazer = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), kTamanhoTexto));
    std::vector<InterAspecto> aspectos;
    for (const InterAspecto& x : InterAspectos(m_a.pessoa, m_b.pessoa, m_orbes))
        if (PontoDoRelatorio(x.a) && PontoDoRelatorio(x.b)) aspectos.push_back(x);
    m_feito = 0.0;
    m_total = double(aspectos.size() + 2 * N_CORPOS_SOBREPOSTOS);
    if (m_progresso) m_progresso(0.0);

    EscreveParagrafo(doc, QStringLiteral("Duetto"), m_cores.CorTitulo, false, false, false, 50, false, AlinhaCentro);
    EscreveParagrafo(doc, QStringLiteral("Sinastria de %1 e %2").arg(Nome(m_a.pessoa), Nome(m_b.pessoa)), m_cores.CorSub1,
                     false, false, false, 20, true, AlinhaCentro);
    for (const MapaDuetto* m : {&m_a, &m_b}) {
        const CamposMapa& c = m->campos;
        QString linha = QStringLiteral("Mapa astral de: ") + Nome(m->pessoa) +
                        (m->pessoa.masculino ? QStringLiteral(" nascido") : QStringLiteral(" nascida")) +
                        QStringLiteral(" no dia ") + c.txtData;
        if (!c.txtlocal.trimmed().isEmpty()) linha += QStringLiteral(" em ") + c.txtlocal.trimmed();
        linha += QStringLiteral(" pelas ") + c.txtHora;
        EscreveParagrafo(doc, linha, m_cores.CorTexto, false, false, false, kTamanhoTexto, m == &m_b, AlinhaCentro);
    }

    Seccao(doc, QStringLiteral("Aspectos entre os Mapas"));
    if (aspectos.empty())
        Paragrafo(doc, QStringLiteral("Os pontos pessoais dos dois mapas não formam aspectos dentro das orbes da sinastria."));
    for (const InterAspecto& x : aspectos) {
        SubTitulo(doc, TituloAspecto(x));
        Paragrafo(doc, TextoAspecto(x));
        if (m_progresso) m_progresso(++m_feito / m_total);
    }
    Sobreposicoes(doc, true);
    Sobreposicoes(doc, false);
    doc.setUndoRedoEnabled(desfazer);
}
