#include "relatorio.h"

#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "motormapa.h"
#include "normaliza.h"
#include "opcoes.h"
#include "pontosmapa.h"
#include "simbolos.h"
#include "textos.h"
#include "textosproprios.h"
#include <QColor>
#include <QFont>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {
thread_local int profundidadeEscrita = 0;
}

bool EmEscrita() { return profundidadeEscrita > 0; }
GuardaEscrita::GuardaEscrita() { ++profundidadeEscrita; }
GuardaEscrita::~GuardaEscrita() { --profundidadeEscrita; }

namespace {
// The program's own scheme for settings that hold no colour yet (titles purple, body text
// black, subtitles blue and dark red), so the window and natalis-cli agree from the first run.
constexpr std::pair<int, CorRGB> kCoresPredefinidas[] = {
    {15, RGBCor(90, 45, 130)}, {16, RGBCor(0, 0, 0)}, {17, RGBCor(30, 60, 140)}, {18, RGBCor(140, 30, 40)}};

CorRGB CorDaOpcao(int n) {
    if (GetOption(n) == QLatin1String("False"))
        for (const auto& [opcao, cor] : kCoresPredefinidas)
            if (opcao == n) return cor;
    return static_cast<CorRGB>(GetOptionNumero(n)) & 0xFFFFFFu;
}
} // namespace

CoresRelatorio CoresRelatorio::DasOpcoes() {
    return {CorDaOpcao(15), CorDaOpcao(16), CorDaOpcao(17), CorDaOpcao(18)};
}

void CoresRelatorio::GuardaPredefinidas() {
    for (const auto& [opcao, cor] : kCoresPredefinidas)
        if (GetOption(opcao) == QLatin1String("False")) SaveOption(opcao, QString::number(cor));
}

QColor CorRelatorioQt(CorRGB c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

namespace {

Qt::Alignment AlinhamentoQt(int a) {
    switch (a) {
    case AlinhaDireita:
        return Qt::AlignRight;
    case AlinhaCentro:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

constexpr int kTamanhoTexto = 11;
} // namespace

void EscreveParagrafo(QTextDocument& doc, const QString& texto, CorRGB cor, bool negrito, bool italico,
                      bool sublinhado, int tamanho, bool linhaEmBranco, int alinhamento) {
    const GuardaEscrita escrita;
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    // The document always ends in the empty block the previous paragraph's line feed left;
    // this paragraph's text goes there.
    QTextBlockFormat bloco;
    bloco.setAlignment(AlinhamentoQt(alinhamento));
    c.setBlockFormat(bloco);
    QTextCharFormat f;
    f.setForeground(CorRelatorioQt(cor));
    f.setFontPointSize(tamanho);
    f.setFontWeight(negrito ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italico);
    f.setFontUnderline(sublinhado);
    c.insertText(texto, f);
    // Line ends carry no style of their own.
    c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    if (linhaEmBranco) c.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

Relatorio::Relatorio(const CamposMapa& campos, Mapa& mapa, FonteDados& textos, const CoresRelatorio& cores)
    : m_campos(campos), m_mapa(mapa), m_textos(textos), m_cores(cores) {}

QString Relatorio::GetTexto(int32_t codigo) const {
    // The parts of a text are joined by blanks whether or not the chart keeps each one; the
    // reader sees one blank between sentences.
    static const QRegularExpression brancos(QStringLiteral(" {2,}"));
    return ::GetTexto(m_textos, codigo, ParesNativo(m_campos), IsMasculino(m_campos), m_mapa)
        .replace(brancos, QStringLiteral(" "))
        .trimmed();
}

void Relatorio::Progresso(double feito, double total) const {
    if (m_progresso) m_progresso(total > 0 ? feito / total : 1.0);
}

void Relatorio::Titulo(QTextDocument& doc, const QString& t) const {
    EscreveParagrafo(doc, t, m_cores.CorTitulo, false, false, false, 50, false, AlinhaCentro);
}

void Relatorio::SubTitulo(QTextDocument& doc, const QString& titulo) {
    const QString t = Leitor(titulo);
    m_subtitulo = t.trimmed();
    EscreveParagrafo(doc, t, m_cores.CorSub2, true, true, false, kTamanhoTexto, true, AlinhaEsquerda);
}

void Relatorio::Seccao(QTextDocument& doc, const QString& t) {
    m_seccao = t;
    m_subtitulo.clear();
    EscreveParagrafo(doc, t, m_cores.CorSub1, false, false, false, 15, true, AlinhaEsquerda);
}

void Relatorio::Paragrafo(QTextDocument& doc, const QString& t, bool linhaEmBranco) const {
    EscreveParagrafo(doc, Leitor(t), m_cores.CorTexto, false, false, false, kTamanhoTexto, linhaEmBranco,
                     AlinhaEsquerda);
}

void Relatorio::Textos(QTextDocument& doc, const std::vector<int32_t>& codigos, bool juntos) {
    // A client reads a paragraph once: one already written (the Moon's sign under two sections,
    // the Ascendant as the first cusp, the Part of Fortune again among the parts) is replaced by
    // a line that says where it stands.
    QStringList novos, vistos;
    std::vector<int32_t> deQue; // the code of each new paragraph, for the editor
    for (int32_t codigo : codigos) {
        const QString t = GetTexto(codigo);
        const auto onde = m_escritos.constFind(t);
        if (t.trimmed().isEmpty() || onde == m_escritos.cend()) {
            if (!t.trimmed().isEmpty())
                m_escritos.insert(t, QStringLiteral("«%1», em %2").arg(m_subtitulo, m_seccao));
            novos << t;
            deQue.push_back(codigo);
        } else if (!vistos.contains(*onde)) {
            vistos << *onde;
        }
    }
    if (!vistos.isEmpty()) novos << QStringLiteral("Ver acima: ") + vistos.join(QStringLiteral("; ")) + '.';
    for (qsizetype k = 0; k < novos.size(); ++k) {
        const QTextBlock bloco = doc.lastBlock();
        Paragrafo(doc, novos[k], !juntos || k + 1 == novos.size());
        if (k >= qsizetype(deQue.size())) continue;
        const GuardaEscrita escrita;
        MarcaCodigoParagrafo(bloco, deQue[size_t(k)]);
    }
}

namespace {
const char* const kRomanosCasa[13] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
}

QString ListaNomes(const QStringList& nomes) {
    if (nomes.size() < 2) return nomes.join(QString());
    return nomes.mid(0, nomes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") + nomes.last();
}

QString NomeLeitor(const QString& nome) {
    static const std::pair<QString, QString> prosa[] = {
        {QStringLiteral("Parte Fortuna"), QStringLiteral("Parte da Fortuna")},
        {QStringLiteral("Trigono"), QStringLiteral("Trígono")},
        {QStringLiteral("Meio Céu"), QStringLiteral("Meio do Céu")},
    };
    QString r = nome;
    for (const auto& [de, para] : prosa)
        r.replace(de, para);
    return r;
}

QString ComArtigo(const QString& nome) {
    if (nome == QLatin1String("Sol")) return QStringLiteral("o Sol");
    if (nome == QLatin1String("Lua")) return QStringLiteral("a Lua");
    if (nome.startsWith(QLatin1String("Lua ")) || nome.startsWith(QLatin1String("Parte "))) return QStringLiteral("a ") + nome;
    if (nome.startsWith(QLatin1String("Nodo "))) return QStringLiteral("o ") + nome;
    return nome;
}

QString EmLocal(const QString& local) {
    // Places whose name takes the article: the first word decides ("Porto, Portugal").
    static const QHash<QString, QString> artigo{
        {QStringLiteral("Porto"), QStringLiteral("no")},     {QStringLiteral("Funchal"), QStringLiteral("no")},
        {QStringLiteral("Cartaxo"), QStringLiteral("no")},   {QStringLiteral("Barreiro"), QStringLiteral("no")},
        {QStringLiteral("Montijo"), QStringLiteral("no")},   {QStringLiteral("Seixal"), QStringLiteral("no")},
        {QStringLiteral("Entroncamento"), QStringLiteral("no")}, {QStringLiteral("Fundão"), QStringLiteral("no")},
        {QStringLiteral("Sabugal"), QStringLiteral("no")},   {QStringLiteral("Bombarral"), QStringLiteral("no")},
        {QStringLiteral("Cadaval"), QStringLiteral("no")},   {QStringLiteral("Crato"), QStringLiteral("no")},
        {QStringLiteral("Rio"), QStringLiteral("no")},       {QStringLiteral("Recife"), QStringLiteral("no")},
        {QStringLiteral("Cairo"), QStringLiteral("no")},     {QStringLiteral("Porto Santo"), QStringLiteral("no")},
        {QStringLiteral("Guarda"), QStringLiteral("na")},    {QStringLiteral("Horta"), QStringLiteral("na")},
        {QStringLiteral("Amadora"), QStringLiteral("na")},   {QStringLiteral("Maia"), QStringLiteral("na")},
        {QStringLiteral("Covilhã"), QStringLiteral("na")},   {QStringLiteral("Lourinhã"), QStringLiteral("na")},
        {QStringLiteral("Nazaré"), QStringLiteral("na")},    {QStringLiteral("Batalha"), QStringLiteral("na")},
        {QStringLiteral("Trofa"), QStringLiteral("na")},     {QStringLiteral("Figueira"), QStringLiteral("na")},
        {QStringLiteral("Póvoa"), QStringLiteral("na")},     {QStringLiteral("Régua"), QStringLiteral("na")},
        {QStringLiteral("Bahia"), QStringLiteral("na")},     {QStringLiteral("Madeira"), QStringLiteral("na")},
    };
    const QString primeira = local.section(QRegularExpression(QStringLiteral("[ ,(]")), 0, 0);
    return artigo.value(primeira, QStringLiteral("em")) + QLatin1Char(' ') + local;
}

QString SignosDePortugal(const QString& texto) {
    static const QRegularExpression signo(QStringLiteral("\\b(Câncer|Virgo|Libra)\\b"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    static const QHash<QString, QString> nomes{{QStringLiteral("Câncer"), QStringLiteral("Caranguejo")},
                                               {QStringLiteral("Virgo"), QStringLiteral("Virgem")},
                                               {QStringLiteral("Libra"), QStringLiteral("Balança")}};
    QString r;
    qsizetype feito = 0;
    for (auto m = signo.globalMatch(texto); m.hasNext();) {
        const auto a = m.next();
        r += QStringView(texto).mid(feito, a.capturedStart() - feito);
        r += nomes.value(a.captured(1));
        feito = a.capturedEnd();
    }
    return feito == 0 ? texto : r + texto.mid(feito);
}

QString Relatorio::Leitor(const QString& texto) const {
    const QString nomes = NomeLeitor(texto);
    return m_sintese.signosTradicionais ? nomes : SignosDePortugal(nomes);
}

int Relatorio::SignoDe(int indice) const {
    return NumeroSigno1(m_mapa.Corpo(indice).Posicao());
}

QString Relatorio::NomeCorpo(int indice) const {
    const QString n = m_mapa.Corpo(indice).Nome;
    return NomeLeitor(n.isEmpty() ? Simbolos::NomeCorpoMapa(indice) : n);
}

std::vector<int> Relatorio::ListaEsclarecedores() const {
    std::vector<int> r;
    for (int i = 0; i <= 10; ++i)
        if (m_mapa.Corpo(i).Marcado) r.push_back(i);
    return r;
}

void Relatorio::EscrevePlaneta(QTextDocument& doc, int indice) {
    const int p = indice + 1;
    const int s = SignoDe(indice);
    SubTitulo(doc, NomeCorpo(indice) + QStringLiteral(" em ") +
                       Simbolos::SignInfo(static_cast<int16_t>(s - 1)).nome);
    Textos(doc, {p * 1000 + 100 + s});
}

void Relatorio::EscreveCasa(QTextDocument& doc, int casa) {
    QStringList corpos;
    for (int j = 0; j <= 12; ++j)
        if (m_mapa.Corpo(j).Casa == casa) corpos << NomeCorpo(j);
    const QString lista = corpos.isEmpty() ? QString() : QStringLiteral(" influenciada por ") + ListaNomes(corpos);
    const int s = NumeroSigno1(m_mapa.Cuspide(casa));
    SubTitulo(doc, QStringLiteral("Casa ") + NomeLeitor(Simbolos::HouseName(static_cast<int16_t>(casa), true)) +
                       QStringLiteral(" em ") + Simbolos::SignInfo(static_cast<int16_t>(s - 1)).nome + lista);
    std::vector<int32_t> codigos{casa * 1000 + 200 + s};
    for (int j = 0; j <= 12; ++j)
        if (m_mapa.Corpo(j).Casa == casa) codigos.push_back((j + 1) * 1000 + 300 + casa);
    Textos(doc, codigos);
}

void Relatorio::EscreveParte(QTextDocument& doc, int indice) {
    const int p = indice + 1;
    const int s = SignoDe(indice);
    const int h = m_mapa.Corpo(indice).Casa;
    SubTitulo(doc, NomeCorpo(indice) + QStringLiteral(" em ") +
                       Simbolos::SignInfo(static_cast<int16_t>(s - 1)).nome + QStringLiteral(" na Casa ") +
                       Simbolos::HouseName(static_cast<int16_t>(h), true));
    Textos(doc, {p * 1000 + 100 + s, p * 1000 + 300 + h}, true);
}

void Relatorio::EscreveRetrogrado(QTextDocument& doc, int indice) {
    const int p = indice + 1;
    const int h = m_mapa.Corpo(indice).Casa;
    const int s = SignoDe(indice);
    SubTitulo(doc, NomeCorpo(indice) + QStringLiteral(" na Casa ") +
                       QString::fromLatin1(kRomanosCasa[h >= 1 && h <= 12 ? h : 0]) + QStringLiteral(" em ") +
                       Simbolos::SignInfo(static_cast<int16_t>(s - 1)).nome);
    Textos(doc, {900000 + p * 1000 + s, 1000000 + p * 1000 + h});
}

void Relatorio::EscreveQuiron(QTextDocument& doc) {
    constexpr int kQuiron = PRIMEIRO_PONTO_EXTRA + int(PontoExtra::Quiron);
    planeta& q = m_mapa.CorpoComPontos(kQuiron);
    if (!q.Mostrado)
        return;
    const int s = NumeroSigno1(q.Posicao());
    Seccao(doc, QStringLiteral("Quíron"));
    SubTitulo(doc, q.Nome + QStringLiteral(" em ") + Simbolos::SignInfo(static_cast<int16_t>(s - 1)).nome);
    Textos(doc, {2100100 + s});
    SubTitulo(doc, q.Nome + QStringLiteral(" na Casa ") + Simbolos::HouseName(q.Casa, true));
    Textos(doc, {2100300 + q.Casa});
    // With the Sun, the Moon and the Ascendant, under Quíron's own orb.
    const int16_t orbe = OrbesPontosActuais()[size_t(PontoExtra::Quiron)];
    const struct {
        int ponto;
        double longitude;
        const char16_t* nome;
    } alvos[] = {{1, m_mapa.Corpo(0).Posicao().ValorRads(), u"o Sol"},
                 {2, m_mapa.Corpo(1).Posicao().ValorRads(), u"a Lua"},
                 {3, m_mapa.Cuspide(1).ValorRads(), u"o Ascendente"}};
    for (const auto& a : alvos) {
        const int tipo = TipoAspecto(SeparacaoArredondada(q.Posicao().ValorRads(), a.longitude), orbe);
        if (tipo != ASPECTO_CONJUNCAO && tipo != ASPECTO_QUADRATURA && tipo != ASPECTO_OPOSICAO)
            continue;
        SubTitulo(doc, q.Nome + QStringLiteral(" em ") + Simbolos::AspectInfo(tipo).nome + QStringLiteral(" com ") +
                           QString::fromUtf16(a.nome));
        Textos(doc, {2101000 + tipo * 100 + a.ponto});
    }
}

void Relatorio::EscreveAspecto(QTextDocument& doc, const QString& nome, int16_t codigo) {
    SubTitulo(doc, nome);
    Textos(doc, {codigo});
}

void Relatorio::AutoInterpretacao(QTextDocument& doc) {
    // Writing the report is not an edit the user could undo; keeping its steps would only
    // grow the undo stack by thousands of insertions.
    const bool desfazer = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    m_escritos.clear();
    m_seccao.clear();
    m_subtitulo.clear();
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), kTamanhoTexto));
    iAspectos& aspectos = m_mapa.Aspectos();
    const int nAspectos = aspectos.Count();
    const double total = nAspectos + 37;
    Progresso(0, total);

    EscreveCabecalho(doc);
    if (m_sintese.ligada) EscreveSintese(doc);

    EscreveResumo(doc);

    Seccao(doc, QStringLiteral("Pontos Principais"));
    EscrevePlaneta(doc, 0);
    const int signoAsc = NumeroSigno1(m_mapa.Cuspide(1));
    SubTitulo(doc,
              QStringLiteral("Ascendente em ") + Simbolos::SignInfo(static_cast<int16_t>(signoAsc - 1)).nome);
    Textos(doc, {1200 + signoAsc});
    for (int i : {1, 10, 12, 11})
        EscrevePlaneta(doc, i);

    Seccao(doc, QStringLiteral("Pontos Adjuvantes"));
    for (int i = 1; i <= 9; ++i) {
        EscrevePlaneta(doc, i);
        Progresso(i, total);
    }

    Seccao(doc, QStringLiteral("As Casas"));
    for (int h = 1; h <= 12; ++h) {
        EscreveCasa(doc, h);
        Progresso(h + 9, total);
    }

    Seccao(doc, QStringLiteral("Aspectos Astrais"));
    AspectosMaisFortes(doc);
    for (int k = 1; k <= nAspectos; ++k) {
        const Aspecto* a = aspectos.Item(k);
        EscreveAspecto(doc, NomeLeitor(a->Nome()), static_cast<int16_t>(a->codigo().toInt()));
        Progresso(k + 21, total);
    }

    std::vector<int> retrogrados;
    for (int i = 2; i <= 9; ++i)
        if (m_mapa.Corpo(i).Retrogrado) retrogrados.push_back(i);
    if (!retrogrados.empty()) {
        Seccao(doc, QStringLiteral("Pontos Retrógrados"));
        for (int i : retrogrados) {
            EscreveRetrogrado(doc, i);
            Progresso(i + 21 + nAspectos, total);
        }
    }

    Seccao(doc, QStringLiteral("Partes"));
    for (int i = 12; i <= 18; ++i) {
        EscreveParte(doc, i);
        Progresso(i + 19 + nAspectos, total);
    }
    EscreveQuiron(doc);
    if (m_sintese.ligada) EscreveFecho(doc);
    doc.setUndoRedoEnabled(desfazer);
}

void Relatorio::EscreveCabecalho(QTextDocument& doc) {
    Titulo(doc, QStringLiteral("Natalis"));
    EscreveParagrafo(doc, QStringLiteral("Auto - Interpretação"), m_cores.CorSub1, false, false, false, 20,
                     true, AlinhaCentro);
    const bool m = IsMasculino(m_campos);
    EscreveParagrafo(doc,
                     QStringLiteral("Mapa astral de: ") + m_campos.txtNome + QStringLiteral(" nascid") +
                         (m ? QStringLiteral("o") : QStringLiteral("a")) + QStringLiteral(" no dia ") +
                         m_campos.txtData + QLatin1Char(' ') + EmLocal(m_campos.txtlocal) +
                         QStringLiteral(" pelas ") + m_campos.txtHora,
                     m_cores.CorTexto, false, false, false, kTamanhoTexto, false, AlinhaCentro);
    EscreveParagrafo(doc,
                     QStringLiteral("Mapa calculado para: ") + m_campos.txtlocal +
                         QStringLiteral(" ( Latitude=") + m_campos.txtLatitude +
                         QStringLiteral(" Longitude=") + LongitudeParaLeitor(m_campos.txtlongitude) +
                         QStringLiteral(" GMT") + FusoParaLeitor(m_campos.FusoHorario) +
                         QStringLiteral(" )  ") +
                         (m_campos.escolha.padrao() ? QString() : TextoCalculo(m_campos)),
                     m_cores.CorTexto, false, false, false, kTamanhoTexto, true, AlinhaCentro);
}

// Summary points of the Sun: decan, clarifiers, five-degree segment.
void Relatorio::EscreveResumo(QTextDocument& doc) {
    Seccao(doc, QStringLiteral("Pontos de Resumo"));
    const PosSigno& sol = m_mapa.Corpo(0).Posicao();
    const int32_t signoSol = NumeroSigno1(sol);
    SubTitulo(doc, m_campos.KeyWord);
    Textos(doc, {1100000 + 1000 * (sol.RetornaGraus() / 10 + 1) + signoSol});
    QStringList esclarecedores;
    for (int i : ListaEsclarecedores())
        esclarecedores << NomeCorpo(i);
    SubTitulo(doc, (esclarecedores.size() > 1 ? QStringLiteral("Esclarecedores: ")
                                              : QStringLiteral("Esclarecedor: ")) +
                       (esclarecedores.isEmpty() ? m_campos.lblesclarecedor : ListaNomes(esclarecedores)));
    for (int i : ListaEsclarecedores())
        Textos(doc, {1201001 + i});
    SubTitulo(doc, QStringLiteral("Anjo: ") + m_campos.anjo);
    Textos(doc, {1300000 + 1000 * (sol.RetornaGraus() / 5 + 1) + signoSol});
}
