// The synthesis that opens the report: positions and the wheel, the balance of elements,
// modalities and hemispheres, the chart ruler, stelliums and aspect figures, the aspects by
// orb, and a closing line. Its texts have codes of their own (see README, "Códigos da síntese").
#include "camposmapa.h"
#include "motormapa.h"
#include "movimentos.h"
#include "opcoes.h"
#include "orbes.h"
#include "relatorio.h"
#include "rtf.h"
#include "simbolos.h"
#include "sintese.h"
#include "textos.h"
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <cmath>

void CopiaRodaRelatorio(const QTextDocument& de, QTextDocument& para) {
    const QVariant roda = de.resource(QTextDocument::ImageResource, QUrl(kNomeRodaRelatorio));
    if (roda.isValid()) para.addResource(QTextDocument::ImageResource, QUrl(kNomeRodaRelatorio), roda);
}

OpcoesSintese OpcoesSintese::DasOpcoes() {
    OpcoesSintese o;
    o.ligada = GetOption(30) != QLatin1String("0");
    o.regenteModerno = GetOption(31) == QLatin1String("1");
    o.signosTradicionais = GetOption(32) == QLatin1String("1");
    return o;
}

namespace {
// Text codes of the synthesis.
constexpr int32_t kCodigoElemento = 2000100;   // + element 1..4 (Fogo, Terra, Ar, Água)
constexpr int32_t kCodigoModalidade = 2000200; // + modality 1..3 (Cardinal, Fixa, Mutável)
constexpr int32_t kCodigoFigura = 2000300;     // + figure 1..5
constexpr int32_t kCodigoEstelioSigno = 2000400; // + sign 1..12
constexpr int32_t kCodigoEstelioCasa = 2000500;  // + house 1..12
constexpr int32_t kCodigoFecho = 2000900;
constexpr int32_t kCodigoHemisferio = 2000600;  // + 1 acima, 2 abaixo, 3 oriente, 4 ocidente
constexpr int32_t kCodigoElementoFraco = 2000700;   // + element 1..4
constexpr int32_t kCodigoModalidadeFraca = 2000710; // + modality 1..3
constexpr int32_t kCodigoFaseLunar = 2000800;       // + phase 1..8
constexpr int32_t kCodigoLeitura = 2000910;
constexpr int32_t kCodigoFechoRelatorio = 2000920;
constexpr int32_t kCodigoRegente = 2010000; // + body number 1..10 × 100 + house 1..12

const char* const kElementos[4] = {"Fogo", "Terra", "Ar", "Água"};
const char* const kModalidades[3] = {"Cardinal", "Fixa", "Mutável"};
const char* const kFiguras[6] = {"", "Grande Trígono", "T-Quadrada", "Grande Cruz", "Yod", "Papagaio"};
const char* const kFigurasPlural[6] = {"", "Grandes Trígonos", "T-Quadradas", "Grandes Cruzes", "Yods", "Papagaios"};
const char* const kFasesLunares[9] = {"", "Lua Nova", "Lua Crescente", "Quarto Crescente", "Lua Gibosa",
                                      "Lua Cheia", "Lua Disseminadora", "Quarto Minguante", "Lua Balsâmica"};
const char* const kRomanos[13] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};

QString Nome(int indice) {
    return NomeLeitor(Simbolos::BodyInfo(static_cast<int16_t>(indice + 1)).nome);
}

QString Grau(const PosSigno& p) {
    return QStringLiteral("%1º%2'").arg(p.RetornaGraus()).arg(p.Minutos(), 2, 10, QLatin1Char('0'));
}

QString Orbe(double graus) {
    const int minutos = int(std::lround(graus * 60.0));
    return QStringLiteral("%1º%2'").arg(minutos / 60).arg(minutos % 60, 2, 10, QLatin1Char('0'));
}

// "o Sol em trígono com a Lua Negra", as prose names an aspect.
QString AspectoEmProsa(int i, int tipo, int j) {
    return QStringLiteral("%1 em %2 com %3")
        .arg(ComArtigo(Nome(i)), NomeLeitor(Simbolos::AspectInfo(static_cast<int16_t>(tipo)).nome).toLower(),
             ComArtigo(Nome(j)));
}

QString Lista(const QStringList& nomes) {
    return ListaNomes(nomes);
}

QString NomesCorpos(const std::vector<int>& corpos) {
    QStringList n;
    for (int c : corpos)
        n << Nome(c);
    return Lista(n);
}

// A T-square and a yod are read from their apex, so it is named apart.
QString MembrosFigura(const Sintese::Figura& f) {
    if (f.corpos.size() == 3 && (f.tipo == Sintese::TipoFigura::TQuadrada || f.tipo == Sintese::TipoFigura::Yod))
        return QStringLiteral("%1 e %2 em %3, %4 no vértice")
            .arg(Nome(f.corpos[0]), Nome(f.corpos[1]),
                 f.tipo == Sintese::TipoFigura::Yod ? QStringLiteral("sextil") : QStringLiteral("oposição"),
                 Nome(f.corpos[2]));
    return NomesCorpos(f.corpos);
}
} // namespace

void Relatorio::Tabela(QTextDocument& doc, const QStringList& cabecalho, const QList<QStringList>& linhas) const {
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    QTextTableFormat f = FormatoTabela();
    f.setHeaderRowCount(1);
    QTextTable* t = c.insertTable(int(linhas.size()) + 1, int(cabecalho.size()), f);
    QTextCharFormat titulo, texto;
    titulo.setFontPointSize(10);
    titulo.setFontWeight(QFont::Bold);
    titulo.setForeground(CorRelatorioQt(m_cores.CorSub2));
    texto.setFontPointSize(10);
    texto.setForeground(CorRelatorioQt(m_cores.CorTexto));
    for (int k = 0; k < cabecalho.size(); ++k)
        t->cellAt(0, k).firstCursorPosition().insertText(cabecalho[k], titulo);
    for (int l = 0; l < linhas.size(); ++l)
        for (int k = 0; k < linhas[l].size() && k < cabecalho.size(); ++k)
            t->cellAt(l + 1, k).firstCursorPosition().insertText(Leitor(linhas[l][k]), texto);
    // An empty line after the table, as after any paragraph.
    Paragrafo(doc, QString(), true);
}

void Relatorio::SintesePosicoes(QTextDocument& doc) {
    if (!m_sintese.roda.isNull()) {
        const QUrl nome(kNomeRodaRelatorio);
        doc.addResource(QTextDocument::ImageResource, nome, m_sintese.roda);
        QTextCursor c(&doc);
        c.movePosition(QTextCursor::End);
        QTextBlockFormat centro;
        centro.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(centro);
        QTextImageFormat imagem;
        imagem.setName(nome.toString());
        // About 11 cm across on the page, whatever the pixels of the picture.
        const double lado = 420.0;
        const QSizeF tamanho = m_sintese.roda.deviceIndependentSize();
        imagem.setWidth(lado);
        imagem.setHeight(tamanho.width() > 0 ? lado * tamanho.height() / tamanho.width() : lado);
        c.insertImage(imagem);
        c.insertBlock(QTextBlockFormat(), QTextCharFormat());
        c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    SubTitulo(doc, QStringLiteral("Posições"));
    QList<QStringList> linhas;
    for (int i = 0; i <= 12; ++i) {
        planeta& p = m_mapa.Corpo(i);
        const int casa = p.Casa;
        linhas << QStringList{Nome(i), NomeSigno(SignoDe(i) - 1), Grau(p.Posicao()),
                              casa >= 1 && casa <= 12 ? QString::fromLatin1(kRomanos[casa]) : QString(),
                              p.Retrogrado && i >= 2 && i <= 9 ? QStringLiteral("retrógrado") : QString()};
    }
    // The optional points the chart holds, after the bodies.
    for (int i = PRIMEIRO_PONTO_EXTRA; i < N_CORPOS_COM_EXTRAS; ++i) {
        planeta& p = m_mapa.CorpoComPontos(i);
        if (!p.Mostrado) continue;
        const int casa = p.Casa;
        linhas << QStringList{p.Nome, NomeSigno(p.Posicao().NumeroSigno()), Grau(p.Posicao()),
                              casa >= 1 && casa <= 12 ? QString::fromLatin1(kRomanos[casa]) : QString(),
                              p.Retrogrado ? QStringLiteral("retrógrado") : QString()};
    }
    for (const auto& [nome, casa] : {std::pair{"Ascendente", 1}, std::pair{"Meio do Céu", 10}}) {
        const PosSigno& c = m_mapa.Cuspide(casa);
        linhas << QStringList{QString::fromUtf8(nome), NomeSigno(NumeroSigno1(c) - 1), Grau(c),
                              QString::fromLatin1(kRomanos[casa]), QString()};
    }
    Tabela(doc, {QStringLiteral("Corpo"), QStringLiteral("Signo"), QStringLiteral("Grau"), QStringLiteral("Casa"),
                 QStringLiteral("Movimento")},
           linhas);
}

void Relatorio::SinteseEquilibrio(QTextDocument& doc) {
    const Sintese::Equilibrio e = Sintese::CalculaEquilibrio(m_mapa);
    SubTitulo(doc, QStringLiteral("Elementos, modalidades e hemisférios"));
    // The weights as the counting uses them, heaviest first.
    QStringList grupos;
    int total = 0;
    for (int peso = 9; peso >= 1; --peso) {
        QStringList nomes;
        for (int k = 0; k < Sintese::N_PONTOS_EQUILIBRIO; ++k)
            if (Sintese::kPesos[k] == peso) nomes << (k == Sintese::ASCENDENTE ? QStringLiteral("Ascendente") : Nome(k));
        total += peso * int(nomes.size());
        if (!nomes.isEmpty())
            grupos << Lista(nomes) + (peso == 1 ? QStringLiteral(" com 1 ponto") : QStringLiteral(" com %1 pontos").arg(peso));
    }
    Paragrafo(doc, QStringLiteral("Contagem pelo signo de cada ponto: %1; %2 pontos ao todo.")
                       .arg(grupos.join(QStringLiteral("; ")))
                       .arg(total));
    QStringList cab, val;
    for (int k = 0; k < 4; ++k) {
        cab << QString::fromUtf8(kElementos[k]);
        val << QString::number(e.elementos[k]);
    }
    for (int k = 0; k < 3; ++k) {
        cab << QString::fromUtf8(kModalidades[k]);
        val << QString::number(e.modalidades[k]);
    }
    Tabela(doc, cab, {val});
    QStringList elementos, modalidades;
    for (int k : e.elementosDominantes)
        elementos << QString::fromUtf8(kElementos[k]);
    for (int k : e.modalidadesDominantes)
        modalidades << QString::fromUtf8(kModalidades[k]);
    Paragrafo(doc, QStringLiteral("Elemento dominante: %1. Modalidade dominante: %2. Hemisférios (os dez planetas, "
                                  "pela casa): %3 acima do horizonte e %4 abaixo; %5 a oriente e %6 a ocidente.")
                       .arg(Lista(elementos), Lista(modalidades))
                       .arg(e.acima)
                       .arg(e.abaixo)
                       .arg(e.oriente)
                       .arg(e.ocidente));
    std::vector<int32_t> codigos;
    for (int k : e.elementosDominantes)
        codigos.push_back(kCodigoElemento + k + 1);
    for (int k : e.modalidadesDominantes)
        codigos.push_back(kCodigoModalidade + k + 1);
    const int hemisferios[4] = {e.acima, e.abaixo, e.oriente, e.ocidente};
    for (int k = 0; k < 4; ++k)
        if (hemisferios[k] >= Sintese::kHemisferioMarcado) codigos.push_back(kCodigoHemisferio + k + 1);
    for (int k = 0; k < 4; ++k)
        if (e.elementos[k] <= Sintese::kPontosFracos) codigos.push_back(kCodigoElementoFraco + k + 1);
    for (int k = 0; k < 3; ++k)
        if (e.modalidades[k] <= Sintese::kPontosFracos) codigos.push_back(kCodigoModalidadeFraca + k + 1);
    Textos(doc, codigos);
}

void Relatorio::SinteseFaseLunar(QTextDocument& doc) {
    const int fase = Sintese::FaseLunar(m_mapa.Corpo(0).Posicao().ValorGraus(), m_mapa.Corpo(1).Posicao().ValorGraus());
    SubTitulo(doc, QStringLiteral("Fase da Lua: ") + QString::fromUtf8(kFasesLunares[fase]));
    Textos(doc, {kCodigoFaseLunar + fase});
}

void Relatorio::SinteseRegentesCasas(QTextDocument& doc) {
    SubTitulo(doc, QStringLiteral("Regentes das casas"));
    QList<QStringList> linhas;
    for (int casa = 1; casa <= 12; ++casa) {
        const int signo = NumeroSigno1(m_mapa.Cuspide(casa)) - 1;
        const int regente = Sintese::Regente(signo, m_sintese.regenteModerno);
        const int onde = m_mapa.Corpo(regente).Casa;
        linhas << QStringList{QString::fromLatin1(kRomanos[casa]), NomeSigno(signo), Nome(regente),
                              NomeSigno(SignoDe(regente) - 1),
                              onde >= 1 && onde <= 12 ? QString::fromLatin1(kRomanos[onde]) : QString()};
    }
    Tabela(doc, {QStringLiteral("Casa"), QStringLiteral("Cúspide em"), QStringLiteral("Regente"), QStringLiteral("Em"),
                 QStringLiteral("Na Casa")},
           linhas);
}

void Relatorio::SinteseAngulos(QTextDocument& doc) {
    const auto aspectos = Sintese::AspectosAosAngulos(m_mapa, OrbesActuais());
    if (aspectos.empty()) return;
    SubTitulo(doc, QStringLiteral("Aspectos ao Ascendente e ao Meio do Céu"));
    QList<QStringList> linhas;
    for (const Sintese::AspectoAngulo& a : aspectos)
        linhas << QStringList{Nome(a.corpo), NomeLeitor(Simbolos::AspectInfo(static_cast<int16_t>(a.tipo)).nome),
                              a.angulo == 1 ? QStringLiteral("Ascendente") : QStringLiteral("Meio do Céu"), Orbe(a.orbe)};
    Tabela(doc, {QStringLiteral("Corpo"), QStringLiteral("Aspecto"), QStringLiteral("Ângulo"), QStringLiteral("Orbe")}, linhas);
}

void Relatorio::SinteseLeitura(QTextDocument& doc) {
    SubTitulo(doc, QStringLiteral("Como ler este relatório"));
    const SistemaCasas casas = CasasUsadas(m_campos);
    const QString sistema =
        casas == SistemaCasas::Proprio
            ? QStringLiteral("pela regra própria do programa, que divide em três casas cada quadrante entre o Ascendente "
                             "e o Meio do Céu")
            : QStringLiteral("pelo sistema ") + NomeCasas(casas);
    Paragrafo(doc, QStringLiteral("As casas deste mapa foram calculadas %1. ").arg(sistema) + GetTexto(kCodigoLeitura));
}

void Relatorio::AspectosMaisFortes(QTextDocument& doc) {
    const auto aspectos = Sintese::AspectosPorOrbe(m_mapa, std::nullopt);
    if (aspectos.empty()) return;
    QStringList nomes;
    for (size_t k = 0; k < aspectos.size() && k < 5; ++k) {
        const Sintese::LinhaAspecto& a = aspectos[k];
        nomes << AspectoEmProsa(a.i, a.tipo, a.j) + QStringLiteral(" (%1)").arg(Orbe(a.orbe));
    }
    SubTitulo(doc, QStringLiteral("Os aspectos mais fortes"));
    Paragrafo(doc, QStringLiteral("Os aspectos mais próximos do exacto, e por isso os que mais pesam no mapa, são: ") +
                       ListaNomes(nomes) + QLatin1Char('.'));
}

void Relatorio::EscreveFecho(QTextDocument& doc) {
    const Sintese::Equilibrio e = Sintese::CalculaEquilibrio(m_mapa);
    const int regente = Sintese::Regente(NumeroSigno1(m_mapa.Cuspide(1)) - 1, m_sintese.regenteModerno);
    const int casa = m_mapa.Corpo(regente).Casa;
    static const char* const comArtigo[4] = {"o Fogo", "a Terra", "o Ar", "a Água"};
    static const char* const plural[3] = {"cardinais", "fixos", "mutáveis"};
    QStringList elementos, modalidades;
    for (int k : e.elementosDominantes)
        elementos << QString::fromUtf8(comArtigo[k]);
    for (int k : e.modalidadesDominantes)
        modalidades << QString::fromUtf8(plural[k]);
    QString t = QStringLiteral("Em resumo, no mapa de %1 domina%2 %3 e predominam os signos %4; o regente do mapa é %5, na Casa %6")
                    .arg(m_campos.txtNome, elementos.size() > 1 ? QStringLiteral("m") : QString(),
                         ListaNomes(elementos), ListaNomes(modalidades), ComArtigo(Nome(regente)),
                         casa >= 1 && casa <= 12 ? QString::fromLatin1(kRomanos[casa]) : QString());
    const auto aspectos = Sintese::AspectosPorOrbe(m_mapa, std::nullopt);
    if (!aspectos.empty()) {
        const Sintese::LinhaAspecto& a = aspectos.front();
        t += QStringLiteral(", e o aspecto mais forte é %1, a %2 do exacto").arg(AspectoEmProsa(a.i, a.tipo, a.j), Orbe(a.orbe));
    }
    Seccao(doc, QStringLiteral("Conclusão"));
    Paragrafo(doc, t + QStringLiteral(". ") + GetTexto(kCodigoFechoRelatorio));
}

void Relatorio::SinteseRegente(QTextDocument& doc) {
    const int signoAsc = NumeroSigno1(m_mapa.Cuspide(1)) - 1;
    const int regente = Sintese::Regente(signoAsc, m_sintese.regenteModerno);
    const int casa = m_mapa.Corpo(regente).Casa;
    SubTitulo(doc, QStringLiteral("Regente do mapa: ") + Nome(regente));
    Paragrafo(doc, QStringLiteral("Com o Ascendente em %1, o regente do mapa (regência %2) é %3, em %4 na Casa %5.")
                       .arg(NomeSigno(signoAsc),
                            m_sintese.regenteModerno ? QStringLiteral("moderna") : QStringLiteral("tradicional"),
                            ComArtigo(Nome(regente)), NomeSigno(SignoDe(regente) - 1),
                            casa >= 1 && casa <= 12 ? QString::fromLatin1(kRomanos[casa]) : QString()));
    Textos(doc, {kCodigoRegente + (regente + 1) * 100 + casa});
}

void Relatorio::SinteseFiguras(QTextDocument& doc) {
    for (const Sintese::Estelio& e : Sintese::Estelios(m_mapa)) {
        SubTitulo(doc, QStringLiteral("Estélio ") +
                           (e.porSigno ? QStringLiteral("em ") + NomeSigno(e.lugar)
                                       : QStringLiteral("na Casa ") + QString::fromLatin1(kRomanos[e.lugar])) +
                           QStringLiteral(": ") + NomesCorpos(e.corpos));
        Textos(doc, {(e.porSigno ? kCodigoEstelioSigno + e.lugar + 1 : kCodigoEstelioCasa + e.lugar)});
    }
    // Figures of one kind share a heading and their text.
    const std::vector<Sintese::Figura> figuras = Sintese::Figuras(m_mapa, OrbesActuais());
    for (size_t k = 0; k < figuras.size();) {
        const int tipo = static_cast<int>(figuras[k].tipo);
        QStringList membros;
        for (; k < figuras.size() && static_cast<int>(figuras[k].tipo) == tipo; ++k)
            membros << MembrosFigura(figuras[k]);
        SubTitulo(doc, QString::fromUtf8(membros.size() > 1 ? kFigurasPlural[tipo] : kFiguras[tipo]) +
                           QStringLiteral(": ") + membros.join(QStringLiteral("; ")));
        Textos(doc, {kCodigoFigura + tipo});
    }
}

void Relatorio::SinteseAspectos(QTextDocument& doc) {
    const auto movimentos = MovimentosDiarios(m_campos);
    const auto aspectos = Sintese::AspectosPorOrbe(m_mapa, movimentos);
    if (aspectos.empty()) return;
    SubTitulo(doc, QStringLiteral("Aspectos por orbe"));
    QList<QStringList> linhas;
    for (const Sintese::LinhaAspecto& a : aspectos) {
        const QString fase = a.fase == Sintese::Fase::Aplicativo   ? QStringLiteral("aplicativo")
                             : a.fase == Sintese::Fase::Separativo ? QStringLiteral("separativo")
                                                                   : QStringLiteral("—");
        linhas << QStringList{Nome(a.i), NomeLeitor(Simbolos::AspectInfo(static_cast<int16_t>(a.tipo)).nome), Nome(a.j), Orbe(a.orbe),
                              fase};
    }
    Tabela(doc, {QStringLiteral("Corpo"), QStringLiteral("Aspecto"), QStringLiteral("Corpo"), QStringLiteral("Orbe"),
                 QStringLiteral("Fase")},
           linhas);
}

void Relatorio::EscreveSintese(QTextDocument& doc) {
    Seccao(doc, QStringLiteral("Síntese do Mapa"));
    SintesePosicoes(doc);
    SinteseLeitura(doc);
    SinteseEquilibrio(doc);
    SinteseFaseLunar(doc);
    SinteseRegente(doc);
    SinteseRegentesCasas(doc);
    SinteseFiguras(doc);
    SinteseAngulos(doc);
    SinteseAspectos(doc);
    // The closing line of the synthesis, in the report's closing style.
    EscreveParagrafo(doc, GetTexto(kCodigoFecho), 0, false, true, false, 11, true, AlinhaDireita);
}
