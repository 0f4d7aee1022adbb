#include "escolhaficheiro.h"

#include "instalacao.h"
#include "opcoes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {
std::function<QString(const PedidoFicheiro&)>& respostaTeste() {
    static std::function<QString(const PedidoFicheiro&)> f;
    return f;
}
// Of the shipped folder and the user's (created), the shipped one only while it holds files of
// the kind and the user's none: a chooser never opens on a folder that is empty or missing.
QString pastaParaAbrir(const QStringList& pastas, const QStringList& padroes, const QString& doUtilizador) {
    const auto temFicheiros = [&](const QString& pasta) { return !QDir(pasta).entryList(padroes, QDir::Files).isEmpty(); };
    if (pastas.size() > 1 && temFicheiros(pastas.first()) && !temFicheiros(pastas.last()))
        return pastas.first();
    return doUtilizador;
}
} // namespace

void DefineRespostaFicheiro(std::function<QString(const PedidoFicheiro&)> resposta) {
    respostaTeste() = std::move(resposta);
}

QString NomeProposto(const QString& nome) {
    // The chooser's name box reads text between double quotes as a list of names, and a
    // slash as a folder: typographic quotes and dashes keep the native's name one name.
    QString n = nome;
    n.replace(QLatin1Char('"'), QChar(u'\u201D'));
    for (const char c : {'/', '\\', ':', '*', '?', '<', '>', '|'})
        n.replace(QLatin1Char(c), QLatin1Char('-'));
    return n.trimmed();
}

PedidoFicheiro PreparaPedido(bool guardar, int tipo, const QString& nomeNativoDado) {
    const QString nomeNativo = NomeProposto(nomeNativoDado);
    PedidoFicheiro p;
    p.guardar = guardar;
    p.tipo = tipo;
    // Reports, summaries, images and PDFs start in the program folder, or beside the charts
    // when the program folder is only read.
    p.pasta = PastaProgramaGravavel() ? PastaPrograma() : PastaMapas();
    switch (tipo) {
    case FicheiroMapa:
        p.filtro = QStringLiteral("Mapas astrais (*.anc)");
        p.extensao = QStringLiteral(".anc");
        p.pasta = PastaMapas();
        p.proposto = nomeNativo;
        break;
    case FicheiroRelatorio:
        p.filtro = QStringLiteral("Interpretação (*.rtf)");
        p.extensao = QStringLiteral(".rtf");
        p.proposto = nomeNativo;
        p.pasta = PreparaPedido(guardar, FicheiroMapa, QString()).pasta; // beside the charts
        break;
    case FicheiroOrbes:
        p.filtro = QStringLiteral("Orbes (*.orb)");
        p.extensao = QStringLiteral(".orb");
        p.pastas = PastasDoTipo(QStringLiteral("orbs"));
        p.pasta = guardar ? PastaOrbesUtilizador() : pastaParaAbrir(p.pastas, {QStringLiteral("*.orb")}, PastaOrbesUtilizador());
        p.proposto = QStringLiteral("Orbitas 1");
        break;
    case FicheiroFundo:
        p.filtro = QStringLiteral("Panos de fundo (*.bmp *.gif *.jpg *.png)");
        p.pastas = PastasDoTipo(QStringLiteral("backgrounds"));
        p.pasta = pastaParaAbrir(p.pastas, {QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"),
                                            QStringLiteral("*.png")}, PastaFundosUtilizador());
        break;
    case FicheiroResumo:
        p.filtro = QStringLiteral("Resumo de posições (*.txt)");
        p.extensao = QStringLiteral(".txt");
        p.proposto = nomeNativo;
        break;
    case FicheiroImagem:
        p.filtro = QStringLiteral("Bitmaps (*.bmp)");
        p.extensao = QStringLiteral(".bmp");
        p.proposto = nomeNativo;
        break;
    case FicheiroDesenho:
        p.filtro = QStringLiteral("Imagens PNG (*.png);;Desenhos SVG (*.svg)");
        p.extensao = QStringLiteral(".png");
        p.proposto = nomeNativo;
        break;
    case FicheiroPdf:
        p.filtro = QStringLiteral("Documentos PDF (*.pdf)");
        p.extensao = QStringLiteral(".pdf");
        p.proposto = nomeNativo;
        p.pasta = PreparaPedido(guardar, FicheiroMapa, QString()).pasta; // beside the charts
        break;
    case FicheiroAaf:
        p.filtro = QStringLiteral("Mapas em AAF (*.aaf *.AAF)");
        p.extensao = QStringLiteral(".aaf");
        p.proposto = nomeNativo;
        break;
    default:
        p.filtro = QStringLiteral("Todos os ficheiros (*)");
        break;
    }
    return p;
}

namespace {
// ".svg" of "Desenhos SVG (*.svg)".
QString ExtensaoDoFiltro(const QString& filtro) {
    const qsizetype i = filtro.indexOf(QStringLiteral("(*."));
    const qsizetype f = filtro.indexOf(QLatin1Char(')'), i);
    return i < 0 || f < 0 ? QString() : filtro.mid(i + 2, f - i - 2);
}
} // namespace

QString ComExtensao(const QString& caminho, const QString& extensao) {
    if (caminho.isEmpty() || extensao.isEmpty())
        return caminho;
    // Only a short run of letters or digits, with a letter, after the last dot is an
    // extension: "Dr. Ana", "Ana.Maria" or "Ana 2.0" are names that still need one.
    const QString sufixo = QFileInfo(caminho).suffix();
    const bool temExtensao = !sufixo.isEmpty() && sufixo.size() <= 4 &&
                             std::all_of(sufixo.begin(), sufixo.end(), [](QChar ch) { return ch.isLetterOrNumber(); }) &&
                             std::any_of(sufixo.begin(), sufixo.end(), [](QChar ch) { return ch.isLetter(); });
    if (temExtensao)
        return caminho;
    QString c = caminho;
    while (c.endsWith(QLatin1Char('.')))
        c.chop(1);
    return c + extensao;
}

QString ShowFileDialog(QWidget* pai, bool guardar, int tipo, const QString& nomeNativo) {
    const PedidoFicheiro p = PreparaPedido(guardar, tipo, nomeNativo);
    QString escolhido;
    QString extensao = p.extensao;
    if (respostaTeste()) {
        escolhido = respostaTeste()(p);
    } else {
        QDir().mkpath(p.pasta);
        QFileDialog dialogo(pai, guardar ? QStringLiteral("Guardar") : QStringLiteral("Abrir"), p.pasta, p.filtro);
        dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
        dialogo.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialogo.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialogo.setLabelText(QFileDialog::LookIn, QStringLiteral("Procurar em:"));
        dialogo.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do ficheiro:"));
        dialogo.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
        dialogo.setLabelText(QFileDialog::Accept, guardar ? QStringLiteral("Guardar") : QStringLiteral("Abrir"));
        dialogo.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
        if (!p.extensao.isEmpty())
            dialogo.setDefaultSuffix(p.extensao.mid(1));
        // With a choice of formats, the one chosen gives a bare name its extension.
        const bool variosFormatos = p.filtro.contains(QStringLiteral(";;"));
        if (variosFormatos)
            QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, [&dialogo](const QString& f) {
                dialogo.setDefaultSuffix(ExtensaoDoFiltro(f).mid(1));
            });
        if (!p.proposto.isEmpty())
            dialogo.selectFile(p.proposto);
        // The shipped files and the user's own, one click apart.
        QList<QUrl> lado = dialogo.sidebarUrls();
        for (const QString& pasta : p.pastas)
            if (QFileInfo(pasta).isDir() && !lado.contains(QUrl::fromLocalFile(pasta)))
                lado << QUrl::fromLocalFile(pasta);
        dialogo.setSidebarUrls(lado);
        if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
            escolhido = dialogo.selectedFiles().first();
        if (variosFormatos && !ExtensaoDoFiltro(dialogo.selectedNameFilter()).isEmpty())
            extensao = ExtensaoDoFiltro(dialogo.selectedNameFilter());
    }
    return guardar ? ComExtensao(escolhido, extensao) : escolhido;
}
