#include "lote.h"

#include "aaf.h"
#include "atlascli.h"
#include "calculo.h"
#include "cp1252.h"
#include "efemerides.h"
#include "mensagens.h"
#include "motormapa.h"

#include <QBuffer>
#include <QStringDecoder>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

namespace {
const char* const kCorpos[12] = {"sol",   "lua",     "mercurio", "venus",   "marte", "jupiter",
                                 "saturno", "urano", "neptuno",  "plutao",  "nodo",  "lua_negra"};
const char* const kPartes[7] = {"fortuna", "devir", "inteligencia", "amor", "audacia", "felicidade", "dever"};

QString colunaPonto(int k) { return CodigoPontoExtra(k).replace(u'-', u'_'); }

QStringList cabecalho(ConjuntoPontos pontos) {
    QStringList c{"nome", "sexo", "data", "data_iso", "hora", "fuso", "local", "latitude", "longitude", "latitude_graus",
                  "longitude_graus"};
    for (const char* n : kCorpos)
        c << QString::fromLatin1(n);
    for (int h = 1; h <= 12; ++h)
        c << QStringLiteral("casa%1").arg(h);
    for (const char* n : kPartes)
        c << QString::fromLatin1(n);
    for (const char* n : kCorpos)
        c << QStringLiteral("retro_") + QString::fromLatin1(n);
    c << QStringLiteral("motor") << QStringLiteral("casas");
    for (int k = 0; k < N_PONTOS_EXTRA; ++k)
        if (TemPonto(pontos, k))
            c << colunaPonto(k) << QStringLiteral("retro_") + colunaPonto(k);
    return c;
}

// Messages of one batch line go to standard error with the line's number.
class MensagensLinha : public Mensagens {
public:
    int linha = 0;
    RespostaMsg Mostra(IconeMsg, const QString&, const QString& texto, BotoesMsg botoes) override {
        std::fprintf(stderr, "natalis-cli: linha %d: %s\n", linha, qUtf8Printable(QString(texto).replace('\n', "; ")));
        return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Nao;
    }
};
} // namespace

bool LeEscolhaCalculo(const QString& motor, const QString& casas, EscolhaCalculo& e, QString* erro) {
    const auto m = LeMotor(motor);
    const auto s = LeCasas(casas);
    QString porque;
    if (!motor.trimmed().isEmpty() && !m)
        porque = QStringLiteral("motor desconhecido «") + Citacao(motor) + QStringLiteral("» (use classico ou preciso)");
    else if (!casas.trimmed().isEmpty() && !s)
        porque = QStringLiteral("sistema de casas desconhecido «") + Citacao(casas) +
                 QStringLiteral("» (use proprio, placidus, koch, regiomontanus, campanus, porfirio, iguais, "
                                "signos-inteiros, alcabitius, topocentrico, morinus ou a letra do swetest)");
    if (!porque.isEmpty()) {
        if (erro)
            *erro = porque;
        return false;
    }
    if (m)
        e.motor = *m;
    if (s)
        e.casas = *s;
    return true;
}

LeitorCsv::LeitorCsv(QIODevice& entrada) : m_entrada(entrada) {
    // UTF-8 (with or without its mark) or Windows-1252, as spreadsheets and editors save CSV:
    // UTF-8 when every byte of the input is valid as such, decided before the first record.
    const qint64 inicio = entrada.pos();
    QStringDecoder verifica(QStringDecoder::Utf8);
    bool alto = false;
    m_marca = entrada.peek(3) == "\xEF\xBB\xBF";
    while (!verifica.hasError()) {
        const QByteArray bloco = entrada.read(1 << 20);
        if (bloco.isEmpty()) break;
        alto = alto || std::any_of(bloco.begin(), bloco.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        // The decoder works only when its result is taken: a bare call checks nothing.
        const QString decodificado = verifica(bloco);
        (void)decodificado;
    }
    m_utf8 = m_marca || (alto && !verifica.hasError());
    entrada.seek(inicio + (m_marca ? 3 : 0));
    const QByteArray primeira = entrada.peek(64 * 1024).split('\n').value(0);
    m_separador = primeira.count(';') > primeira.count(',') ? ';' : ',';
}

bool LeitorCsv::byte(char& c) {
    if (m_pos >= m_bloco.size()) {
        m_bloco = m_entrada.read(1 << 16);
        m_pos = 0;
        if (m_bloco.isEmpty()) return false;
    }
    c = m_bloco[m_pos++];
    return true;
}

bool LeitorCsv::espreita(char esperado) {
    if (m_pos >= m_bloco.size()) {
        m_bloco = m_entrada.read(1 << 16);
        m_pos = 0;
    }
    if (m_pos < m_bloco.size() && m_bloco[m_pos] == esperado) {
        ++m_pos;
        return true;
    }
    return false;
}

QString LeitorCsv::texto(const QByteArray& bytes) const {
    return m_utf8 ? QString::fromUtf8(bytes) : DeCp1252(bytes);
}

bool LeitorCsv::proximo(QStringList& registo) {
    registo.clear();
    QByteArray campo;
    bool aspas = false, algo = false;
    for (char c; byte(c);) {
        if (aspas) {
            if (c != '"') campo += c;
            else if (espreita('"')) campo += c;
            else aspas = false;
        } else if (c == '"') {
            aspas = algo = true;
        } else if (c == m_separador) {
            registo << texto(campo);
            campo.clear();
            algo = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r') espreita('\n');
            if (algo || !campo.isEmpty()) {
                registo << texto(campo);
                return true;
            }
        } else {
            campo += c;
            algo = true;
        }
    }
    if (!algo && campo.isEmpty()) return false;
    registo << texto(campo);
    return true;
}

QString LinhaCsv(const QStringList& campos, QChar separador) {
    QStringList l;
    for (const QString& c : campos) {
        // A decimal comma under ';' stays bare, so that spreadsheets take it for a number.
        if (c.contains(separador) || c.contains(u'"') || c.contains(u'\n') || c.contains(u'\r') ||
            (separador == u',' && c.contains(u';')))
            l << u'"' + QString(c).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        else
            l << c;
    }
    return l.join(separador);
}

QString DataIso(const QString& data) {
    const RegistoTempo t = LerDataHora(data, QString());
    if (t.dia < 1 || t.mes < 1 || t.mes > 12)
        return QString();
    return (t.ano < 0 ? QStringLiteral("-") : QString()) + QStringLiteral("%1-%2-%3")
                                                            .arg(std::abs(int(t.ano)), 4, 10, QLatin1Char('0'))
                                                            .arg(int(t.mes), 2, 10, QLatin1Char('0'))
                                                            .arg(int(t.dia), 2, 10, QLatin1Char('0'));
}

QStringList ColunasLote(const CamposMapa& c, const Mapa& mapa, const FormatoLote& formato) {
    const auto numero = [&](double graus) {
        QString t = QString::number(graus, 'f', 6);
        if (formato.decimal != u'.')
            t.replace(u'.', formato.decimal);
        return t;
    };
    const auto rads = [&](double r) { return numero(r * 180.0 / PI_NATALIS); };
    // The window's latitude (north positive) and longitude (hours, west positive) as signed
    // degrees, north and east positive.
    PosSigno latitude;
    latitude.SetonbyString(c.txtLatitude);
    QStringList l{c.txtNome,  c.sexoMasculino ? QStringLiteral("M") : QStringLiteral("F"),
                  c.txtData,  DataIso(c.txtData),
                  c.txtHora,  c.FusoHorario,
                  c.txtlocal, c.txtLatitude,
                  c.txtlongitude, numero(latitude.ValorGraus()),
                  numero(LongitudeLesteGraus(c.txtlongitude))};
    auto& m = const_cast<Mapa&>(mapa);
    for (int i = 0; i < 12; ++i)
        l << rads(m.Corpo(i).Posicao().ValorRads());
    for (int h = 1; h <= 12; ++h)
        l << rads(m.Cuspide(h).ValorRads());
    for (int k = 0; k < 7; ++k)
        l << rads(m.Corpo(12 + k).Posicao().ValorRads());
    for (int i = 0; i < 12; ++i)
        l << (c.lblretrogrado[i] ? QStringLiteral("1") : QStringLiteral("0"));
    l << CodigoMotor(c.escolha.motor) << CodigoCasas(CasasUsadas(c));
    // A point the line did not compute (the classic engine, an asteroid beyond its file) is empty.
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        if (!TemPonto(formato.pontos, k))
            continue;
        const bool tem = !c.PosExtra[k].isEmpty();
        l << (tem ? rads(m.CorpoComPontos(PRIMEIRO_PONTO_EXTRA + k).Posicao().ValorRads()) : QString())
          << (tem ? (c.retroExtra[k] ? QStringLiteral("1") : QStringLiteral("0")) : QString());
    }
    return l;
}

QByteArray CorreLote(const QByteArray& entrada, int& charts, int& falhas, const FormatoLote& formato,
                     QList<CamposMapa>* lancados) {
    QByteArray bytes = entrada, saida;
    QBuffer dispositivo(&bytes);
    dispositivo.open(QIODevice::ReadOnly);
    CorreLote(
        dispositivo, [&](const QByteArray& linha) { return saida += linha, true; }, charts, falhas, formato, lancados,
        NucleosDoLote());
    return saida;
}

namespace {
// A line ready to cast, and what casting it gave.
struct Tarefa {
    int linha = 0;
    CamposMapa campos;
    EscolhaCalculo escolha;
    bool lancado = false;
    QByteArray saida;
    QStringList mensagens;
};

// Casts the tasks on `nucleos` threads (each line is independent of the others); each thread
// has its own chart, calculation choice and message box, and the messages wait in the task
// so that they come out in the lines' order.
void CastaEmParalelo(QList<Tarefa>& tarefas, int nucleos, const FormatoLote& formato) {
    std::atomic<qsizetype> seguinte{0};
    const auto trabalha = [&] {
        MensagensGravadas gravadas;
        CaixaTemporaria instalada(&gravadas);
        Mapa mapa;
        for (qsizetype k; (k = seguinte++) < tarefas.size();) {
            Tarefa& t = tarefas[k];
            gravadas.chamadas.clear();
            EscolhaCalculoActual() = t.escolha;
            t.lancado = Cast(t.campos, mapa);
            if (t.lancado) t.saida = LinhaCsv(ColunasLote(t.campos, mapa, formato), formato.separador).toUtf8() + '\n';
            for (const auto& c : std::as_const(gravadas.chamadas)) t.mensagens << c.texto;
        }
    };
    std::vector<std::thread> threads;
    for (int k = 1; k < std::min<qsizetype>(nucleos, tarefas.size()); ++k) threads.emplace_back(trabalha);
    trabalha();
    for (std::thread& t : threads) t.join();
}

// A record of the batch as a chart to cast: empty, with the reason, when a field is wrong or
// the place is not in the atlas.
std::optional<Tarefa> TarefaDaLinha(const QStringList& r, const EscolhaCalculo& escolhaDoLote,
                                    QString* erro) {
    if (r.size() < 8) {
        *erro = QStringLiteral("tem %1 campos e são precisos 8 (nome, sexo, data, hora, fuso, local, "
                               "latitude, longitude)")
                    .arg(r.size());
        return std::nullopt;
    }
    Tarefa t;
    CamposMapa& c = t.campos;
    c.Limpa();
    c.txtNome = r[0].trimmed();
    const QString sexo = r[1].trimmed().toLower();
    if (!sexo.isEmpty() && !QStringLiteral("masculino").startsWith(sexo) &&
        !QStringLiteral("feminino").startsWith(sexo)) {
        *erro = QStringLiteral("o sexo «") + Citacao(r[1]) +
                QStringLiteral("» não é M (masculino) nem F (feminino)");
        return std::nullopt;
    }
    c.sexoMasculino = !sexo.startsWith(u'f');
    c.txtData = r[2];
    c.txtHora = r[3];
    c.FusoHorario = r[4];
    c.txtlocal = r[5].trimmed();
    c.txtLatitude = r[6];
    c.txtlongitude = r[7];
    t.escolha = escolhaDoLote;
    const bool doAtlas =
        c.txtLatitude.trimmed().isEmpty() && c.txtlongitude.trimmed().isEmpty() && !c.txtlocal.isEmpty();
    if (!LeEscolhaCalculo(r.value(8), r.value(9), t.escolha, erro) ||
        (doAtlas && !PreencheDoAtlas(c.txtlocal, c, erro)))
        return std::nullopt;
    return t;
}
} // namespace

int NucleosDoLote() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return 1; // the ephemeris library keeps its state per thread only where it is built so
#else
    return std::max(1, int(std::thread::hardware_concurrency()));
#endif
}

bool CorreLote(QIODevice& entrada, const std::function<bool(const QByteArray&)>& escreve, int& charts, int& falhas,
               const FormatoLote& formatoPedido, QList<CamposMapa>* lancados, int nucleos) {
    charts = falhas = 0;
    const EscolhaCalculo escolhaDoLote = EscolhaCalculoActual();
    FormatoLote formato = formatoPedido;
    formato.pontos = escolhaDoLote.pontos;
    LeitorCsv leitor(entrada);
    if (!escreve((formato.marca ? QByteArray("\xEF\xBB\xBF") : QByteArray()) +
                 LinhaCsv(cabecalho(formato.pontos), formato.separador).toUtf8() + '\n'))
        return false;
    MensagensLinha caixa;
    CaixaTemporaria instalada(&caixa);
    bool escrito = true;
    // Lines are read, checked and given their place from the atlas here, in order, then cast
    // a block at a time on every core; the block's output goes out in order.
    QList<Tarefa> bloco;
    const qsizetype tamanhoBloco = 1024 * std::max(1, nucleos);
    const auto despacha = [&] {
        CastaEmParalelo(bloco, std::max(1, nucleos), formato);
        for (Tarefa& t : bloco) {
            caixa.linha = t.linha;
            for (const QString& m : std::as_const(t.mensagens)) caixa.Mostra(IconeMsg::Exclamacao, QString(), m, BotoesMsg::Ok);
            if (!t.lancado) {
                ++falhas;
                continue;
            }
            if (escrito) escrito = escreve(t.saida);
            if (lancados) lancados->append(t.campos);
        }
        bloco.clear();
    };
    QStringList r;
    for (qsizetype n = 0; escrito && leitor.proximo(r); ++n) {
        caixa.linha = static_cast<int>(n + 1);
        if (n == 0 && !r.isEmpty() && r[0].trimmed().compare(QStringLiteral("nome"), Qt::CaseInsensitive) == 0)
            continue;
        ++charts;
        QString erro;
        std::optional<Tarefa> t = TarefaDaLinha(r, escolhaDoLote, &erro);
        if (!t) {
            caixa.Mostra(IconeMsg::Exclamacao, QString(), erro, BotoesMsg::Ok);
            ++falhas;
            continue;
        }
        t->linha = caixa.linha;
        bloco.append(std::move(*t));
        if (bloco.size() >= tamanhoBloco) despacha();
    }
    if (escrito) despacha();
    EscolhaCalculoActual() = escolhaDoLote;
    return escrito;
}
