// natalis-cli: casts a chart from birth data given as options, or opens a chart file, and
// prints the positions summary and the aspects; batch mode casts the charts of a CSV file.
#include "aaf.h"
#include "atlascli.h"
#include "calculo.h"
#include "ficheiromapa.h"
#include "gravacao.h"
#include "lote.h"
#include "mensagens.h"
#include "motormapa.h"
#include "pontosmapa.h"
#include "normaliza.h"
#include "opcoes.h"
#include "orbes.h"
#include "resumo.h"
#include "saidas.h"
#include "sinais.h"

#include <QCoreApplication>
#ifndef NATALIS_CLI_NUCLEO
#include <QGuiApplication>
#endif
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <memory>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {
struct OpcaoDado {
    const char* nome;
    const char* valor;
    const char* descricao;
};
const OpcaoDado kDados[] = {
    {"nome", "TEXTO", "nome do nativo"},
    {"sexo", "M|F", "masculino (M, por omissão) ou feminino (F)"},
    {"data", "DATA", "data de nascimento: 13/6/1888, 13-06-1888 ou 6/8/47 (19xx)"},
    {"hora", "HORA", "hora local de nascimento: 14:30, 14h30 ou 14h30'"},
    {"fuso", "FUSO", "horas a somar ao tempo universal: 1, +1, -3, -3h30', 1:00"},
    {"local", "TEXTO", "local de nascimento"},
    {"atlas", "TEXTO", "local do atlas (\"Recife\", \"Calheta, Madeira\"): preenche local, latitude, longitude e o fuso da data e hora"},
    {"latitude", "LAT", "38º43' N, 22º54' S, 38°43' Norte, -22.9"},
    {"longitude", "LON", "9º8' W, 151º12' E, 9°8' Oeste, 139º41' leste ou 0h36'32'' W"},
    {"comentarios", "TEXTO", "comentários guardados com o mapa"},
    {"email", "TEXTO", "endereço de correio do nativo"},
};
const OpcaoDado kOutras[] = {
    {"abrir", "FICHEIRO.anc", "abre um ficheiro de mapa em vez de calcular"},
    {"lote", "ENTRADA.csv", "calcula os mapas de um ficheiro CSV (nome,sexo,data,hora,fuso,local,latitude,longitude)"},
    {"saida", "SAIDA.csv", "com --lote, --sinastria ou --transitos: escreve o CSV neste ficheiro (por omissão, a saída padrão)"},
    {"nucleos", "N", "com --lote: calcula em N núcleos do processador (por omissão, todos)"},
    {"folha-calculo", nullptr, "com --lote: CSV para folhas de cálculo em português (; entre campos, vírgula decimal, UTF-8 com BOM)"},
    {"importar-aaf", "F.aaf", "importa os mapas de um ficheiro AAF: um ficheiro de mapa cada, na pasta de --pasta"},
    {"pasta", "PASTA", "com --importar-aaf: a pasta onde ficam os ficheiros de mapa (nunca substitui nenhum)"},
    {"exportar-aaf", "F.aaf", "escreve o mapa calculado ou aberto (com --lote, todos os mapas) num ficheiro AAF"},
    {"orbes", "FICHEIRO.orb", "usa as orbes deste ficheiro (por omissão, as do Natalis)"},
    {"motor", "MOTOR", "classico ou preciso (Swiss Ephemeris); por omissão, o das opções do Natalis"},
    {"casas", "SISTEMA",
     "proprio, placidus, koch, regiomontanus, campanus, porfirio, iguais, signos-inteiros, alcabitius, "
     "topocentrico, morinus, ou a letra do swetest (P K R C O E/A W B T M); por omissão, o das opções"},
    {"pontos", "LISTA",
     "com o motor preciso, os pontos adicionais separados por vírgulas: quiron, ceres, palas, juno, vesta, "
     "lua-negra-verdadeira, nodo-medio, vertice (ou todos, ou nenhum); por omissão, os das opções"},
    {"silencioso", nullptr, "não mostra o resumo nem os aspectos"},
    {"versao", nullptr, "mostra a versão"},
    {"ajuda", nullptr, "mostra esta ajuda (também -h e --help)"},
};

bool conhecida(const QString& nome) {
    for (const OpcaoDado& o : kDados)
        if (nome == QLatin1String(o.nome))
            return true;
    for (const OpcaoDado& o : kOutras)
        if (nome == QLatin1String(o.nome))
            return nome != QLatin1String("ajuda");
    return false;
}

void escreve(FILE* f, const QString& texto) {
    const QByteArray b = texto.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), f);
}

int erroArgumentos(const QString& texto) {
    escreve(stderr, QStringLiteral("natalis-cli: ") + texto + QStringLiteral("\nUse natalis-cli --ajuda para ver as opções.\n"));
    return SAIDA_ARGUMENTOS;
}

QString linhaAjuda(const QString& opcao, const char* valor, const QString& descricao) {
    QString esquerda = QStringLiteral("  --") + opcao + (valor ? QLatin1Char(' ') + QString::fromUtf8(valor) : QString());
    if (esquerda.size() < 28)
        esquerda += QString(28 - esquerda.size(), QLatin1Char(' '));
    else
        esquerda += QStringLiteral("\n") + QString(28, QLatin1Char(' '));
    return esquerda + descricao + QLatin1Char('\n');
}

QString ajuda() {
    QString t = QStringLiteral(
        "Utilização: natalis-cli [dados de nascimento] [saídas]\n"
        "            natalis-cli --abrir FICHEIRO.anc [saídas]\n"
        "            natalis-cli --lote ENTRADA.csv [--saida SAIDA.csv]\n\n"
        "Calcula o mapa natal como o Natalis o calcula e mostra o resumo de posições e os\n"
        "aspectos (UTF-8, na saída padrão). As opções aceitam --opção VALOR ou --opção=VALOR.\n\n"
        "Dados de nascimento (data, hora, fuso, latitude e longitude são obrigatórios):\n");
    for (const OpcaoDado& o : kDados)
        t += linhaAjuda(QString::fromUtf8(o.nome), o.valor, QString::fromUtf8(o.descricao));
    t += QStringLiteral("\nSaídas (pela ordem em que são dadas):\n");
    for (const SaidaCli& s : SaidasRegistadas())
        t += linhaAjuda(s.opcao, s.valor.isEmpty() ? nullptr : qPrintable(s.valor), s.descricao);
    t += QStringLiteral("\nOutras opções:\n");
    for (const OpcaoDado& o : kOutras)
        t += linhaAjuda(QString::fromUtf8(o.nome), o.valor, QString::fromUtf8(o.descricao));
    t += QStringLiteral("\nCódigos de saída: 0 sucesso; 1 o mapa não pôde ser calculado, aberto ou guardado;\n"
                        "2 argumentos errados (também um local do atlas ambíguo ou desconhecido).\n\n"
                        "Exemplo:\n"
                        "  natalis-cli --nome \"Maria\" --sexo F --data 25/4/1974 --hora 0:20 --fuso 1 \\\n"
                        "              --local Lisboa --latitude \"38º43' N\" --longitude \"9º8' W\" --guardar maria.anc\n");
    return t;
}

// Messages of the libraries go to standard error; questions are answered "Não", so nothing
// is ever written with characters lost.
class MensagensCli : public Mensagens {
public:
    RespostaMsg Mostra(IconeMsg, const QString&, const QString& texto, BotoesMsg botoes) override {
        escreve(stderr, QStringLiteral("natalis-cli: ") + texto + QLatin1Char('\n'));
        if (botoes != BotoesMsg::Ok)
            escreve(stderr, QStringLiteral("natalis-cli: (respondido «Não»)\n"));
        return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Nao;
    }
};

// The orbs the program itself would use (its option 0), read without changing any setting.
bool carregaOrbes(const QString& ficheiro) {
    OrbesActuais().CarregaPadrao();
    QString caminho = ficheiro;
    if (caminho.isEmpty()) {
        const QString opcao = GetOption(0);
        if (opcao == QLatin1String("False") || opcao == CaminhoOrbesPadrao() || !QFileInfo::exists(opcao))
            return true;
        caminho = opcao;
    }
    ValoresOrbes valores{};
    QString erro;
    if (!LeFicheiroOrbes(caminho, valores, &erro)) {
        escreve(stderr, QStringLiteral("natalis-cli: ") + erro + QLatin1Char('\n'));
        return false;
    }
    OrbesActuais().AplicaValoresFicheiro(valores);
    return true;
}

bool escreveAaf(const QString& caminho, const QList<CamposMapa>& mapas) {
    QList<RegistoAaf> registos;
    for (const CamposMapa& c : mapas)
        registos << AafDeCampos(c);
    QString erro;
    if (GravaFicheiro(caminho, EscreveAaf(registos), &erro))
        return true;
    escreve(stderr, QStringLiteral("natalis-cli: não foi possível escrever ") + caminho + QStringLiteral(": ") + erro + QLatin1Char('\n'));
    return false;
}

int importaAaf(const QString& entrada, const QString& pasta) {
    QFile f(entrada);
    if (!f.open(QIODevice::ReadOnly)) {
        escreve(stderr, QStringLiteral("natalis-cli: não foi possível ler ") + entrada + QStringLiteral(": ") +
                            f.errorString() + QLatin1Char('\n'));
        return SAIDA_FALHOU;
    }
    const ResumoImportacao r = ImportaAaf(f.readAll(), pasta, [](const QString& local, const QString&, CamposMapa& c, QString* porque) {
        return PreencheDoAtlas(local, c, porque);
    });
    escreve(r.erro.isEmpty() ? stdout : stderr, LinhasResumoImportacao(r).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return r.erro.isEmpty() && r.ignorados.isEmpty() ? SAIDA_OK : SAIDA_FALHOU;
}

int correLote(const QString& entrada, const QString& saida, const FormatoLote& formato, const QString& aaf,
              int nucleos) {
    QFile f(entrada);
    if (!f.open(QIODevice::ReadOnly)) {
        escreve(stderr, QStringLiteral("natalis-cli: não foi possível ler ") + entrada + QStringLiteral(": ") +
                            f.errorString() + QLatin1Char('\n'));
        return SAIDA_FALHOU;
    }
    int charts = 0, falhas = 0;
    QList<CamposMapa> lancados;
    QList<CamposMapa>* paraAaf = aaf.isEmpty() ? nullptr : &lancados;
    // Each line goes out as it is cast: to standard output, or to the new file's temporary copy,
    // put in place only when every line is written.
    if (saida.isEmpty()) {
        CorreLote(
            f, [](const QByteArray& l) { return std::fwrite(l.constData(), 1, size_t(l.size()), stdout) == size_t(l.size()); },
            charts, falhas, formato, paraAaf, nucleos);
    } else {
        QString erro;
        const bool gravado = GravaFicheiro(
            saida,
            [&](QIODevice& destino) {
                return CorreLote(
                    f, [&](const QByteArray& l) { return destino.write(l) == l.size(); }, charts, falhas, formato,
                    paraAaf, nucleos);
            },
            &erro);
        if (!gravado) {
            escreve(stderr, QStringLiteral("natalis-cli: não foi possível escrever ") + saida + QStringLiteral(": ") +
                                erro + QLatin1Char('\n'));
            return SAIDA_FALHOU;
        }
    }
    if (!aaf.isEmpty() && !escreveAaf(aaf, lancados))
        return SAIDA_FALHOU;
    if (falhas)
        escreve(stderr, QStringLiteral("natalis-cli: %1 de %2 mapas não foram calculados\n").arg(falhas).arg(charts));
    return falhas ? SAIDA_FALHOU : SAIDA_OK;
}

// Whether an option asks for more than casting and text: an output that draws or lays out
// text (images, the report), an option this build does not know, or the help listing every
// output. The rest starts without Qt's GUI side, which costs most of a short run.
bool precisaGui(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        const QString a = QString::fromLocal8Bit(argv[k]);
        if (a == QLatin1String("-h"))
            return true;
        if (!a.startsWith(QLatin1String("--")))
            continue;
        const QString nome = a.mid(2).section(QLatin1Char('='), 0, 0);
        const SaidaCli* s = ProcuraSaida(nome);
        if (s ? !s->soTexto : !conhecida(nome))
            return true;
    }
    return false;
}

#ifdef NATALIS_CLI_NUCLEO
// Hands the run to the whole tool beside this program, with the same arguments.
int passaAoCompleto(int argc, char** argv) {
    const QString programa = QCoreApplication::applicationDirPath() + QStringLiteral("/natalis-cli-completo");
    Q_UNUSED(argc);
#ifdef Q_OS_WIN
    Q_UNUSED(argv);
    // The wide command line, so a chart named "Conceição.anc" reaches the whole tool intact.
    const QStringList argumentos = QCoreApplication::arguments().mid(1);
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.setInputChannelMode(QProcess::ForwardedInputChannel);
    p.start(programa + QStringLiteral(".exe"), argumentos);
    if (p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit)
        return p.exitCode();
#else
    const QByteArray caminho = QFile::encodeName(programa);
    std::fflush(stdout);
    argv[0] = const_cast<char*>(caminho.constData());
    ::execv(caminho.constData(), argv);
#endif
    escreve(stderr, QStringLiteral("natalis-cli: não foi possível executar ") + programa + QLatin1Char('\n'));
    return SAIDA_FALHOU;
}
#endif
} // namespace

namespace {
// What the command line asks: birth data, other options and the outputs, in their order.
struct Pedido {
    QMap<QString, QString> dados, outras;
    QList<QPair<const SaidaCli*, QString>> saidas;
    bool ajuda = false;
};

const OpcaoDado* procura(const OpcaoDado* inicio, const OpcaoDado* fim, const QString& nome) {
    for (const OpcaoDado* o = inicio; o != fim; ++o)
        if (nome == QLatin1String(o->nome))
            return o;
    return nullptr;
}

// Reads the arguments into the request against the options' tables; SAIDA_OK or the exit
// code of the message already written.
int leArgumentos(const QStringList& args, Pedido& pedido) {
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString a = args[k];
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--ajuda")) {
            pedido.ajuda = true;
            return SAIDA_OK;
        }
        if (!a.startsWith(QLatin1String("--")) || a.size() == 2)
            return erroArgumentos(QStringLiteral("argumento inesperado: ") + a);
        QString nome = a.mid(2), valor;
        const bool comIgual = nome.contains(QLatin1Char('='));
        if (comIgual) {
            valor = nome.section(QLatin1Char('='), 1);
            nome = nome.section(QLatin1Char('='), 0, 0);
        }
        const auto precisaValor = [&](bool precisa) -> bool {
            if (!precisa)
                return !comIgual;
            if (comIgual)
                return true;
            if (k + 1 >= args.size())
                return false;
            valor = args[++k];
            return true;
        };
        const OpcaoDado* dado = procura(std::begin(kDados), std::end(kDados), nome);
        const OpcaoDado* outra = procura(std::begin(kOutras), std::end(kOutras), nome);
        const SaidaCli* s = ProcuraSaida(nome);
        if (!dado && !outra && !s)
            return erroArgumentos(QStringLiteral("opção desconhecida: --") + nome);
        const bool comValor = dado ? true : outra ? outra->valor != nullptr : !s->valor.isEmpty();
        if (!precisaValor(comValor))
            return erroArgumentos(comValor ? QStringLiteral("a opção --") + nome + QStringLiteral(" precisa de um valor")
                                           : QStringLiteral("a opção --") + nome + QStringLiteral(" não leva valor"));
        if (s && s->doisValores && !comIgual) {
            if (k + 1 >= args.size())
                return erroArgumentos(QStringLiteral("a opção --") + nome + QStringLiteral(" precisa de dois valores"));
            valor += QLatin1Char(' ') + args[++k];
        }
        if (dado)
            pedido.dados[nome] = valor;
        else if (outra)
            pedido.outras[nome] = valor;
        else
            pedido.saidas.append({s, valor});
    }
    return SAIDA_OK;
}

// The options that only make sense together, or never together, and the outputs' file
// names; SAIDA_OK or the exit code of the message written.
int verificaCombinacoes(const Pedido& p) {
    const auto& outras = p.outras;
    const bool abrir = outras.contains(QStringLiteral("abrir")), lote = outras.contains(QStringLiteral("lote"));
    if (int(abrir) + int(lote) + int(!p.dados.isEmpty()) > 1)
        return erroArgumentos(QStringLiteral("use dados de nascimento, --abrir ou --lote, um de cada vez"));
    if (!abrir && !lote && p.dados.isEmpty())
        return erroArgumentos(QStringLiteral("indique os dados de nascimento, --abrir FICHEIRO.anc ou --lote ENTRADA.csv"));
    const bool comLista = std::any_of(p.saidas.cbegin(), p.saidas.cend(), [](const auto& s) {
        return s.first->doisValores || s.first->opcao == QLatin1String("sinastria");
    });
    if (outras.contains(QStringLiteral("saida")) && !lote && !comLista)
        return erroArgumentos(QStringLiteral("--saida só se usa com --lote, --sinastria ou --transitos"));
    for (const char* soLote : {"folha-calculo", "nucleos"})
        if (outras.contains(QString::fromLatin1(soLote)) && !lote)
            return erroArgumentos(QStringLiteral("--%1 só se usa com --lote").arg(QString::fromLatin1(soLote)));
    if (lote && !p.saidas.isEmpty())
        return erroArgumentos(QStringLiteral("com --lote, os resultados vão para o CSV; --") + p.saidas[0].first->opcao +
                              QStringLiteral(" não se aplica"));
    for (const auto& [saida, valor] : p.saidas) {
        if (saida->extensoes.isEmpty() || saida->extensoes.contains(QFileInfo(valor).suffix().toLower()))
            continue;
        QStringList nomes;
        for (const QString& e : saida->extensoes)
            nomes << QLatin1Char('.') + e;
        const QString ultima = nomes.takeLast();
        return erroArgumentos(QStringLiteral("--%1: «%2» deve terminar em %3")
                                  .arg(saida->opcao, Citacao(valor),
                                       nomes.isEmpty() ? ultima : nomes.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + ultima));
    }
    if (abrir && (outras.contains(QStringLiteral("motor")) || outras.contains(QStringLiteral("casas"))))
        return erroArgumentos(QStringLiteral("com --abrir, as posições vêm do ficheiro; --motor e --casas não se aplicam"));
    if (abrir && outras.contains(QStringLiteral("pontos")))
        return erroArgumentos(QStringLiteral("com --abrir, os pontos vêm do ficheiro; --pontos não se aplica"));
    return SAIDA_OK;
}

// The engine, houses and orbs of this run, and the batch's cores.
int preparaCalculo(const QMap<QString, QString>& outras, int& nucleos) {
    EscolhaCalculoActual() = EscolhaDasOpcoes();
    CarregaOrbesPontos();
    QString erroEscolha;
    if (!LeEscolhaCalculo(outras.value(QStringLiteral("motor")), outras.value(QStringLiteral("casas")),
                          EscolhaCalculoActual(), &erroEscolha))
        return erroArgumentos(erroEscolha);
    if (outras.contains(QStringLiteral("pontos"))) {
        const QString lista = outras.value(QStringLiteral("pontos")).trimmed().toLower();
        const auto pontos = lista == QLatin1String("todos")    ? std::optional<ConjuntoPontos>(TODOS_PONTOS_EXTRA)
                            : lista == QLatin1String("nenhum") ? std::optional<ConjuntoPontos>(0)
                                                               : LePontos(lista);
        if (!pontos)
            return erroArgumentos(QStringLiteral("--pontos: «%1» tem um ponto desconhecido (use %2, todos ou nenhum)")
                                      .arg(Citacao(outras.value(QStringLiteral("pontos"))), CodigosPontos(TODOS_PONTOS_EXTRA)));
        if (*pontos && EscolhaCalculoActual().motor != Motor::Preciso)
            return erroArgumentos(QStringLiteral("--pontos: os pontos adicionais só os calcula o motor preciso (--motor preciso)"));
        EscolhaCalculoActual().pontos = *pontos;
    }
    if (!carregaOrbes(outras.value(QStringLiteral("orbes"))))
        return SAIDA_FALHOU;
    nucleos = NucleosDoLote();
    if (outras.contains(QStringLiteral("nucleos"))) {
        bool ok = false;
        nucleos = outras.value(QStringLiteral("nucleos")).toInt(&ok);
        if (!ok || nucleos < 1 || nucleos > 256)
            return erroArgumentos(QStringLiteral("--nucleos: «%1» não é um número de 1 a 256").arg(Citacao(outras.value(QStringLiteral("nucleos")))));
        nucleos = std::min(nucleos, NucleosDoLote() > 1 ? nucleos : 1);
    }
    return SAIDA_OK;
}

// Casts the chart of the birth data given as options (the atlas may fill the place).
int calculaDosDados(QMap<QString, QString> dados, CamposMapa& campos, Mapa& mapa) {
    QString fusoAtlas;
    if (dados.contains(QStringLiteral("atlas")))
        if (const int r = PreencheOpcoesDoAtlas(dados, &fusoAtlas); r != SAIDA_OK)
            return r;
    for (const char* obrigatorio : {"data", "hora", "fuso", "latitude", "longitude"})
        if (!dados.contains(QString::fromLatin1(obrigatorio)))
            return erroArgumentos(QStringLiteral("falta a opção --") + QString::fromLatin1(obrigatorio));
    const QString sexo = dados.value(QStringLiteral("sexo")).trimmed().toLower();
    if (!sexo.isEmpty() && !QStringLiteral("masculino").startsWith(sexo) &&
        !QStringLiteral("feminino").startsWith(sexo))
        return erroArgumentos(QStringLiteral("--sexo deve ser M (masculino) ou F (feminino)"));
    campos.sexoMasculino = !sexo.startsWith(QLatin1Char('f'));
    campos.txtNome = dados.value(QStringLiteral("nome"));
    campos.txtData = dados.value(QStringLiteral("data"));
    campos.txtHora = dados.value(QStringLiteral("hora"));
    campos.fusoAtlas = fusoAtlas;
    campos.FusoHorario = dados.value(QStringLiteral("fuso"));
    campos.txtlocal = dados.value(QStringLiteral("local"));
    campos.txtLatitude = dados.value(QStringLiteral("latitude"));
    campos.txtlongitude = dados.value(QStringLiteral("longitude"));
    campos.cometarios = dados.value(QStringLiteral("comentarios"));
    campos.txtemail = dados.value(QStringLiteral("email"));
    QString erro;
    CamposMapa prova = campos;
    if (!NormalizaDadosNascimento(prova, &erro))
        return erroArgumentos(erro.replace(QLatin1Char('\n'), QStringLiteral("\nnatalis-cli: ")));
    return Cast(campos, mapa) ? SAIDA_OK : SAIDA_FALHOU;
}

// The summary and aspects on standard output (unless --silencioso), then each output asked.
int escreveResultados(const Pedido& p, CamposMapa& campos, Mapa& mapa) {
    if (!p.outras.contains(QStringLiteral("silencioso"))) {
        QStringList linhas = LinhasResumo(campos, mapa);
        linhas << QString() << QStringLiteral("Aspectos");
        const QStringList aspectos = LinhasAspectos(mapa);
        linhas << (aspectos.isEmpty() ? QStringList{QStringLiteral("[sem aspectos]")} : aspectos);
        escreve(stdout, linhas.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    int codigo = SAIDA_OK;
    if (p.outras.contains(QStringLiteral("exportar-aaf")) && !escreveAaf(p.outras.value(QStringLiteral("exportar-aaf")), {campos}))
        codigo = SAIDA_FALHOU;
    for (const auto& [saida, valor] : p.saidas)
        codigo = std::max(codigo, saida->escreve(valor, campos, mapa));
    return codigo;
}
} // namespace

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    // The same bytes as on Linux (UTF-8, bare line ends) for the scripts that read them; the
    // console is told the text is UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    PreparaSinaisDoPrograma();
    std::unique_ptr<QCoreApplication> aplicacao;
    if (precisaGui(argc, argv)) {
#ifdef NATALIS_CLI_NUCLEO
        QCoreApplication nucleo(argc, argv);
        return passaAoCompleto(argc, argv);
#else
        // The report's text layout and PDF pages need Qt's GUI side, but never a screen. (On
        // Windows the system's own platform needs none either, and only it sees the system's
        // fonts: the offscreen one there knows Natalis's glyph font alone.)
#ifndef Q_OS_WIN
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        aplicacao = std::make_unique<QGuiApplication>(argc, argv);
#endif
    } else {
        aplicacao = std::make_unique<QCoreApplication>(argc, argv);
    }
    MensagensCli caixa;
    DefineCaixaMensagens(&caixa);
    if (const QString aviso = TomaAvisoOpcoes(); !aviso.isEmpty())
        escreve(stderr, QStringLiteral("natalis-cli: ") + aviso + QLatin1Char('\n'));

    Pedido pedido;
    if (const int r = leArgumentos(aplicacao->arguments().mid(1), pedido); r != SAIDA_OK)
        return r;
    const auto& outras = pedido.outras;
    if (pedido.ajuda) {
        escreve(stdout, ajuda());
        return SAIDA_OK;
    }
    if (outras.contains(QStringLiteral("versao"))) {
        escreve(stdout, QStringLiteral("natalis-cli %1.%2.%3\n")
                            .arg(NATALIS_VERSION_MAJOR)
                            .arg(NATALIS_VERSION_MINOR)
                            .arg(NATALIS_VERSION_PATCH));
        return SAIDA_OK;
    }
    if (outras.contains(QStringLiteral("importar-aaf")) != outras.contains(QStringLiteral("pasta")))
        return erroArgumentos(QStringLiteral("--importar-aaf e --pasta usam-se juntas"));
    if (outras.contains(QStringLiteral("importar-aaf")))
        return importaAaf(outras.value(QStringLiteral("importar-aaf")), outras.value(QStringLiteral("pasta")));
    if (const int r = verificaCombinacoes(pedido); r != SAIDA_OK)
        return r;
    const bool abrir = outras.contains(QStringLiteral("abrir")), lote = outras.contains(QStringLiteral("lote"));
    FicheiroSaida() = lote ? QString() : outras.value(QStringLiteral("saida"));
    int nucleos = 1;
    if (const int r = preparaCalculo(outras, nucleos); r != SAIDA_OK)
        return r;
    if (lote)
        return correLote(outras.value(QStringLiteral("lote")), outras.value(QStringLiteral("saida")),
                         outras.contains(QStringLiteral("folha-calculo")) ? FormatoFolhaCalculo() : FormatoLote{},
                         outras.value(QStringLiteral("exportar-aaf")), nucleos);

    CamposMapa campos;
    Mapa& mapa = MapaActual();
    if (abrir) {
        if (!OpenFile(outras.value(QStringLiteral("abrir")), campos, mapa, {}, false))
            return SAIDA_FALHOU;
    } else if (const int r = calculaDosDados(pedido.dados, campos, mapa); r != SAIDA_OK) {
        return r;
    }
    return escreveResultados(pedido, campos, mapa);
}
