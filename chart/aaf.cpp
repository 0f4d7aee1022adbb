#include "aaf.h"

#include "calculo.h"
#include "cp1252.h"
#include "efemerides.h"
#include "ficheiromapa.h"
#include "gravacao.h"
#include "mensagens.h"
#include "possigno.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace {
bool desconhecido(const QString& t) { return t.trimmed().isEmpty() || t.trimmed() == QLatin1String("*"); }

// "49n05", "8e11", "122w25:30", "33s52.5": degrees, the direction, minutes, optional seconds.
std::optional<double> leCoordenada(const QString& t, QChar positivo, QChar negativo) {
    static const QRegularExpression forma(QStringLiteral("^\\s*(\\d{1,3})\\s*([a-zA-Z])\\s*(\\d{1,2}(?:\\.\\d+)?)(?::(\\d{1,2}(?:\\.\\d+)?))?\\s*$"));
    const QRegularExpressionMatch m = forma.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const QChar d = m.captured(2).at(0).toLower();
    if (d != positivo && d != negativo)
        return std::nullopt;
    const double v = m.captured(1).toDouble() + m.captured(3).toDouble() / 60.0 + m.captured(4).toDouble() / 3600.0;
    return d == negativo ? -v : v;
}

// Zones "1he00", "1he", "5hw00", "0e21:48", "1" (whole hours east), "-1h00" (a sign instead of
// the letter): hours east of UT.
std::optional<double> leFuso(const QString& t) {
    static const QRegularExpression forma(
        QStringLiteral("^\\s*([+-]?)(\\d{1,2})\\s*(?:h\\s*)?([eEwW]?)\\s*(?:(\\d{1,2})(?::(\\d{1,2}))?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = forma.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const double v = m.captured(2).toDouble() + m.captured(4).toDouble() / 60.0 + m.captured(5).toDouble() / 3600.0;
    const bool oeste = m.captured(3).toLower() == QLatin1String("w") || m.captured(1) == QLatin1String("-");
    return oeste ? -v : v;
}

struct DataHora {
    int dia = 0, mes = 0, ano = 0;
    double horas = 0; // of the day
};

// Julian day to calendar date and hours (Meeus, Astronomical Algorithms, ch. 7), Gregorian
// from 15/10/1582 as the engine counts.
DataHora deDiaJuliano(double jd) {
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    double a = z;
    if (z >= 2299161) {
        const double alfa = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1 + alfa - std::floor(alfa / 4);
    }
    const double b = a + 1524, c = std::floor((b - 122.1) / 365.25), d = std::floor(365.25 * c),
                 e = std::floor((b - d) / 30.6001);
    DataHora r;
    r.dia = int(b - d - std::floor(30.6001 * e));
    r.mes = int(e < 14 ? e - 1 : e - 13);
    r.ano = int(r.mes > 2 ? c - 4716 : c - 4715);
    r.horas = f * 24.0;
    return r;
}

QString texto(const QString& t) { return desconhecido(t) ? QString() : t.trimmed(); }

// Degrees, minutes and whole seconds of a magnitude, the seconds rounded and carried.
void divide(double v, int& g, int& m, int& s) {
    const long long total = std::llround(std::fabs(v) * 3600.0);
    g = int(total / 3600);
    m = int(total / 60 % 60);
    s = int(total % 60);
}

QString coordenadaAaf(double v, QChar positivo, QChar negativo) {
    int g, m, s;
    divide(v, g, m, s);
    QString t = QString::number(g) + (v < 0 ? negativo : positivo) + QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
    if (s)
        t += QStringLiteral(":%1").arg(s, 2, 10, QLatin1Char('0'));
    return t;
}

QString fusoAaf(double horas) {
    int h, m, s;
    divide(horas, h, m, s);
    QString t = QString::number(h) + (horas < 0 ? QStringLiteral("hw") : QStringLiteral("he")) +
                QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
    if (s)
        t += QStringLiteral(":%1").arg(s, 2, 10, QLatin1Char('0'));
    return t;
}

double leGraus(const QString& t) {
    PosSigno p;
    p.SetonbyString(t);
    return p.ValorGraus();
}

// AAF fields are parted by commas and cannot hold one: a comma of ours travels as ";".
QString campoAaf(const QString& t) {
    QString r = t.simplified();
    r.replace(QLatin1Char(','), QLatin1Char(';'));
    return r.isEmpty() ? QStringLiteral("*") : r;
}
QString deCampoAaf(const QString& t) { return texto(t).replace(QLatin1Char(';'), QLatin1Char(',')); }
} // namespace

double LongitudeLesteGraus(const QString& longitude) {
    // The window's longitude is in hours of time, or degrees, west positive.
    const double v = leGraus(longitude);
    return longitude.contains(QLatin1Char('h'), Qt::CaseInsensitive) ? -15.0 * v : -v;
}

namespace {
// The identity chunk "#A93:surname,name,type,date,time,place,country"; empty, with the reason,
// when it has too few fields.
std::optional<RegistoAaf> leA93(const QString& resto, QString* porque) {
    QStringList f = resto.split(QLatin1Char(','));
    // The type is sometimes left out: the date then stands third.
    static const QRegularExpression formaData(QStringLiteral("^\\s*\\d{1,2}\\.\\d{1,2}\\.-?\\d{1,4}\\s*$"));
    if (f.size() == 6 && formaData.match(f[2]).hasMatch()) f.insert(2, QStringLiteral("*"));
    if (f.size() < 7) {
        *porque = QStringLiteral("«#A93:» com %1 campos em vez de 7").arg(f.size());
        return std::nullopt;
    }
    while (f.size() > 7) // a place written with a comma
        f[5] += QLatin1Char(',') + f.takeAt(6);
    RegistoAaf r;
    r.apelido = deCampoAaf(f[0]);
    r.nome = deCampoAaf(f[1]);
    r.tipo = texto(f[2]).isEmpty() ? QChar(u'*') : texto(f[2]).at(0).toLower();
    r.data = texto(f[3]);
    r.hora = texto(f[4]);
    r.local = deCampoAaf(f[5]);
    r.pais = texto(f[6]);
    return r;
}

// The position chunk "#B93:julian day,latitude,longitude,zone,daylight" into its record;
// false, with the reason, when it is a second one or cannot be read.
bool leB93(const QString& resto, RegistoAaf& r, QString* porque) {
    const QStringList f = resto.split(QLatin1Char(','));
    if (f.size() < 5 || r.temB) {
        *porque = r.temB ? QStringLiteral("segundo «#B93:» do mesmo registo")
                         : QStringLiteral("«#B93:» com %1 campos em vez de 5").arg(f.size());
        return false;
    }
    const auto lat = leCoordenada(f[1], u'n', u's'), lon = leCoordenada(f[2], u'e', u'w');
    if (!lat || !lon) {
        *porque = QStringLiteral("coordenadas «%1,%2» ilegíveis").arg(Citacao(f[1]), Citacao(f[2]));
        return false;
    }
    bool ok = false;
    const double jd = f[0].trimmed().toDouble(&ok);
    if (ok && jd > 0) r.diaJuliano = jd;
    r.latitude = *lat;
    r.longitude = *lon;
    r.fuso = desconhecido(f[3]) ? std::nullopt : leFuso(f[3]);
    r.verao = texto(f[4]).isEmpty() ? QChar(u'*') : texto(f[4]).at(0).toUpper();
    r.temB = true;
    return true;
}

// The offset of the clock from UT: the zone and its daylight hours, the longitude's own for
// local mean time, or, when the record leaves them unknown, what the Julian day and the
// civil time say (to the second, as local mean time needs).
std::optional<double> deslocamentoUT(const RegistoAaf& r, const DataHora& civil, double horas,
                                     bool temDataHora) {
    std::optional<double> deslocamento;
    if (r.verao == u'L')
        deslocamento = r.longitude / 15.0;
    else if (r.fuso && r.verao != u'*')
        deslocamento = *r.fuso + (r.verao == u'1' ? 1 : r.verao == u'D' ? 2 : 0);
    if (!deslocamento && r.diaJuliano && temDataHora) {
        const double dias = DiaJuliano0h(civil.dia, civil.mes, civil.ano) + horas / 24.0 - *r.diaJuliano;
        if (std::fabs(dias) <= 15.0 / 24.0) deslocamento = std::round(dias * 86400.0) / 3600.0;
    }
    if (!deslocamento && r.fuso) deslocamento = *r.fuso; // daylight unknown: standard time
    return deslocamento;
}
} // namespace

QList<RegistoAaf> LeAaf(const QByteArray& bytes, QStringList* avisos) {
    QList<RegistoAaf> registos;
    const QStringList linhas = DecodificaTexto(bytes).split(QLatin1Char('\n'));
    const auto aviso = [&](int n, const QString& t) {
        if (avisos)
            *avisos << QStringLiteral("linha %1: %2").arg(n).arg(t);
    };
    // A record refused at its "#A93:" takes its other chunks with it; a line that does not start
    // with "#" goes on with the chunk above it (long comments are written so).
    bool recusado = false;
    QString ultimaMarca;
    for (int n = 0; n < linhas.size(); ++n) {
        QString l = linhas[n];
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        if (l.trimmed().isEmpty() || l.startsWith(QLatin1String("#:")))
            continue;
        if (!l.startsWith(QLatin1Char('#'))) {
            if (recusado)
                continue;
            if (registos.isEmpty())
                aviso(n + 1, QStringLiteral("não pertence a nenhum registo «#A93:»"));
            else if (ultimaMarca == QLatin1String("#COM"))
                registos.last().comentario += QLatin1Char('\n') + l.trimmed();
            continue;
        }
        const qsizetype doisPontos = l.indexOf(QLatin1Char(':'));
        const QString marca = doisPontos > 0 ? l.left(doisPontos).trimmed().toUpper() : QString();
        const QString resto = l.mid(doisPontos + 1);
        ultimaMarca = marca;
        if (marca == QLatin1String("#A93")) {
            QString porque;
            const std::optional<RegistoAaf> r = leA93(resto, &porque);
            recusado = !r;
            if (r) {
                registos << *r;
                registos.last().linha = n + 1;
            } else {
                aviso(n + 1, porque);
            }
            continue;
        }
        if (recusado)
            continue;
        if (registos.isEmpty() || marca.isEmpty()) {
            aviso(n + 1, QStringLiteral("não pertence a nenhum registo «#A93:»"));
            continue;
        }
        RegistoAaf& r = registos.last();
        if (marca == QLatin1String("#B93")) {
            QString porque;
            if (!leB93(resto, r, &porque)) aviso(n + 1, porque);
        } else if (marca == QLatin1String("#ZNAM")) {
            r.zona = resto.trimmed();
        } else if (marca == QLatin1String("#COM")) {
            r.comentario += (r.comentario.isEmpty() ? QString() : QStringLiteral("\n")) + resto.trimmed();
        } // other chunks (#SRC:, #TZN:, ...) carry nothing a chart keeps
    }
    return registos;
}

bool CamposDeAaf(const RegistoAaf& r, CamposMapa& c, const LugarDoAtlas& doAtlas, QString* porque) {
    const auto falha = [&](const QString& t) {
        if (porque)
            *porque = t;
        return false;
    };
    c.Limpa();
    c.txtNome = (r.nome.isEmpty() ? r.apelido : r.apelido.isEmpty() ? r.nome : r.nome + QLatin1Char(' ') + r.apelido);
    c.sexoMasculino = r.tipo != u'f' && r.tipo != u'w'; // w: weiblich
    c.txtlocal = r.local + (r.pais.isEmpty() ? QString() : QStringLiteral(", ") + r.pais);
    c.cometarios = r.comentario;
    if (r.zona.contains(QLatin1Char('/')))
        c.fusoAtlas = r.zona;

    static const QRegularExpression formaData(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(-?\\d{1,4})$"));
    static const QRegularExpression formaHora(QStringLiteral("^(\\d{1,2})[:.](\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch d = formaData.match(r.data), h = formaHora.match(r.hora);
    if (!d.hasMatch() && !r.diaJuliano)
        return falha(r.data.isEmpty() ? QStringLiteral("data desconhecida") : QStringLiteral("data «%1» ilegível").arg(Citacao(r.data)));
    if (!h.hasMatch() && !r.hora.isEmpty())
        return falha(QStringLiteral("hora «%1» ilegível").arg(Citacao(r.hora)));
    const bool semHora = !h.hasMatch() && !r.diaJuliano;
    double horas = semHora ? 12.0 : h.captured(1).toDouble() + h.captured(2).toDouble() / 60.0 + h.captured(3).toDouble() / 3600.0;
    DataHora civil{d.captured(1).toInt(), d.captured(2).toInt(), d.captured(3).toInt(), horas};
    if (semHora)
        c.cometarios += (c.cometarios.isEmpty() ? QString() : QStringLiteral("\n")) +
                        QStringLiteral("Hora de nascimento desconhecida: mapa calculado para as 12h00.");

    if (!r.temB) {
        // Coordinates and zone from the atlas, for the date and clock time given.
        c.txtData = QStringLiteral("%1/%2/%3").arg(civil.dia).arg(civil.mes).arg(civil.ano);
        c.txtHora = QStringLiteral("%1:%2").arg(int(horas)).arg(int(std::lround((horas - int(horas)) * 60)), 2, 10, QLatin1Char('0'));
        QString razao;
        if (!doAtlas || !doAtlas(r.local, r.pais, c, &razao))
            return falha(QStringLiteral("sem coordenadas (#B93): ") +
                         (razao.isEmpty() ? QStringLiteral("o local «%1» não está no atlas").arg(Citacao(r.local)) : razao));
        return true;
    }

    const std::optional<double> deslocamento = deslocamentoUT(r, civil, horas, d.hasMatch() && h.hasMatch());
    if (!deslocamento)
        return falha(QStringLiteral("fuso horário desconhecido"));
    const double total = *deslocamento;
    if (r.diaJuliano) {
        // The Julian day is the instant; the civil data only when they agree with it to the minute.
        const double jdCivil = d.hasMatch() ? DiaJuliano0h(civil.dia, civil.mes, civil.ano) + (horas - total) / 24.0 : 0;
        if (!d.hasMatch() || !h.hasMatch() || std::fabs(jdCivil - *r.diaJuliano) > 1.0 / 1440.0)
            civil = deDiaJuliano(*r.diaJuliano + total / 24.0);
    }
    // The program counts whole minutes: the time rounded to the nearest, carried to the next day.
    int minutos = int(std::lround(civil.horas * 60.0));
    if (minutos >= 24 * 60) {
        civil = deDiaJuliano(DiaJuliano0h(civil.dia, civil.mes, civil.ano) + 1.0);
        minutos -= 24 * 60;
    }
    c.txtData = QStringLiteral("%1/%2/%3").arg(civil.dia).arg(civil.mes).arg(civil.ano);
    c.txtHora = QStringLiteral("%1:%2").arg(minutos / 60).arg(minutos % 60, 2, 10, QLatin1Char('0'));
    PosSigno z;
    z.setValorGraus(total);
    c.FusoHorario = z.RetornaFormatado(FormatoHoras);
    int g, m, s;
    divide(r.latitude, g, m, s);
    c.txtLatitude = QStringLiteral("%1º%2'%3''%4").arg(g).arg(m).arg(s).arg(QChar(r.latitude < 0 ? u'S' : u'N'));
    divide(r.longitude, g, m, s);
    c.txtlongitude = QStringLiteral("%1º%2'%3'' %4").arg(g).arg(m).arg(s).arg(QChar(r.longitude < 0 ? u'W' : u'E'));
    return true;
}

RegistoAaf AafDeCampos(const CamposMapa& c) {
    RegistoAaf r;
    QStringList palavras = c.txtNome.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    r.apelido = palavras.isEmpty() ? QString() : palavras.takeLast();
    r.nome = palavras.join(QLatin1Char(' '));
    // "Maria da Conceição, Silva": the comma parted the names, and AAF fields hold none.
    for (QString* parte : {&r.nome, &r.apelido})
        while (parte->endsWith(QLatin1Char(',')))
            parte->chop(1);
    r.tipo = c.sexoMasculino ? u'm' : u'f';
    const RegistoTempo t = LerDataHora(c.txtData, c.txtHora);
    r.data = QStringLiteral("%1.%2.%3").arg(t.dia).arg(t.mes).arg(t.ano);
    r.hora = QStringLiteral("%1:%2").arg(t.hora).arg(t.minuto, 2, 10, QLatin1Char('0'));
    static const QRegularExpression codigoPais(QStringLiteral("^(.*),\\s*([A-Z]{1,3})$"));
    const QRegularExpressionMatch p = codigoPais.match(c.txtlocal.trimmed());
    r.local = p.hasMatch() ? p.captured(1).trimmed() : c.txtlocal.trimmed();
    // A region after the place goes after a slash, as AAF writes it ("Kandel/Pfalz").
    static const QRegularExpression virgula(QStringLiteral("\\s*,\\s*"));
    r.local.replace(virgula, QStringLiteral("/"));
    r.pais = p.hasMatch() ? p.captured(2) : QString();
    r.temB = true;
    r.latitude = leGraus(c.txtLatitude);
    r.longitude = LongitudeLesteGraus(c.txtlongitude);
    const double fuso = leGraus(c.FusoHorario);
    r.fuso = fuso;
    r.diaJuliano = DiaJuliano0h(t.dia, t.mes, t.ano) + (t.hora + t.minuto / 60.0 - fuso) / 24.0;
    // Local mean time: the zone is the longitude's own, to the second, off the quarter hours.
    const double quartos = fuso * 4.0;
    r.verao = std::fabs(fuso - r.longitude / 15.0) < 1.0 / 3600.0 && std::fabs(quartos - std::round(quartos)) > 1e-6
                  ? u'L'
                  : u'0';
    r.zona = c.fusoAtlas;
    QStringList linhas;
    for (const QString& l : c.cometarios.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty())
            linhas << l.trimmed();
    r.comentario = linhas.join(QLatin1Char('\n'));
    return r;
}

QByteArray EscreveAaf(const QList<RegistoAaf>& registos) {
    QString t = QStringLiteral("#: Mapas exportados pelo Natalis\r\n");
    for (const RegistoAaf& r : registos) {
        t += QStringLiteral("#A93:%1,%2,%3,%4,%5,%6,%7\r\n")
                 .arg(campoAaf(r.apelido), campoAaf(r.nome), QString(r.tipo), campoAaf(r.data), campoAaf(r.hora),
                      campoAaf(r.local), campoAaf(r.pais));
        t += QStringLiteral("#B93:%1,%2,%3,%4,%5\r\n")
                 .arg(r.diaJuliano ? QString::number(*r.diaJuliano, 'f', 6) : QStringLiteral("*"),
                      coordenadaAaf(r.latitude, u'n', u's'), coordenadaAaf(r.longitude, u'e', u'w'),
                      r.fuso ? fusoAaf(*r.fuso) : QStringLiteral("*"), QString(r.verao));
        if (!r.zona.isEmpty())
            t += QStringLiteral("#ZNAM:") + r.zona + QStringLiteral("\r\n");
        if (!r.comentario.isEmpty())
            // Further lines go on the chunk; one that starts with "#" gets a space before it, so
            // that it is not taken for a chunk of its own.
            t += QStringLiteral("#COM:") +
                 QString(r.comentario).replace(QStringLiteral("\n#"), QStringLiteral("\n #")).replace(QLatin1Char('\n'), QStringLiteral("\r\n")) +
                 QStringLiteral("\r\n");
    }
    return t.toUtf8();
}

QString NomeFicheiroSeguro(const QString& nome) {
    QString r;
    for (const QChar c : nome.simplified())
        r += (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QChar(u'_') : c;
    r = r.left(80);
    while (r.endsWith(QLatin1Char('.')) || r.endsWith(QLatin1Char(' ')))
        r.chop(1);
    while (r.startsWith(QLatin1Char('.')))
        r.remove(0, 1);
    return r.isEmpty() ? QStringLiteral("mapa") : r;
}

namespace {
// Messages of the cast kept as the record's reason instead of being shown.
class MensagensRegisto : public Mensagens {
public:
    QString ultima;
    RespostaMsg Mostra(IconeMsg, const QString&, const QString& texto, BotoesMsg botoes) override {
        ultima = QString(texto).replace(QLatin1Char('\n'), QStringLiteral("; "));
        return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Nao;
    }
};
} // namespace

ResumoImportacao ImportaAaf(const QByteArray& bytes, const QString& pasta, const LugarDoAtlas& doAtlas) {
    ResumoImportacao resumo;
    QDir dir(pasta);
    if (!dir.exists() && !QDir().mkpath(pasta)) {
        resumo.erro = QStringLiteral("Não foi possível criar a pasta ") + pasta;
        return resumo;
    }
    QStringList avisos;
    const QList<RegistoAaf> registos = LeAaf(bytes, &avisos);
    for (const QString& a : avisos)
        resumo.ignorados.append({a.section(QLatin1Char(':'), 0, 0), a.section(QLatin1Char(':'), 1).trimmed()});
    Mensagens* anterior = &CaixaMensagens();
    MensagensRegisto caixa;
    DefineCaixaMensagens(&caixa);
    for (const RegistoAaf& r : registos) {
        CamposMapa c;
        Mapa mapa;
        QString porque;
        const QString quem = QStringLiteral("linha %1 (%2)").arg(r.linha).arg(
            (r.nome + QLatin1Char(' ') + r.apelido).trimmed());
        caixa.ultima.clear();
        if (!CamposDeAaf(r, c, doAtlas, &porque) || !Cast(c, mapa)) {
            resumo.ignorados.append({quem, porque.isEmpty() ? caixa.ultima : porque});
            continue;
        }
        const QString base = NomeFicheiroSeguro(c.txtNome);
        QString nome = base + QStringLiteral(".anc");
        for (int n = 2; QFileInfo::exists(dir.filePath(nome)); ++n)
            nome = QStringLiteral("%1 (%2).anc").arg(base).arg(n);
        QString erro;
        if (!GravaFicheiro(dir.filePath(nome), BytesMapa(c), &erro)) {
            resumo.ignorados.append({quem, erro});
            continue;
        }
        if (nome != base + QStringLiteral(".anc"))
            resumo.renomeados.append({base + QStringLiteral(".anc"), nome});
        resumo.importados << nome;
    }
    DefineCaixaMensagens(anterior);
    return resumo;
}

QStringList LinhasResumoImportacao(const ResumoImportacao& r) {
    QStringList l;
    if (!r.erro.isEmpty())
        return {r.erro};
    l << QStringLiteral("Importados: %1").arg(r.importados.size());
    for (const QString& n : r.importados)
        l << QStringLiteral("  ") + n;
    if (!r.renomeados.isEmpty()) {
        l << QStringLiteral("Com outro nome, para não substituir ficheiros existentes: %1").arg(r.renomeados.size());
        for (const auto& [de, para] : r.renomeados)
            l << QStringLiteral("  ") + de + QStringLiteral(" → ") + para;
    }
    l << QStringLiteral("Não importados: %1").arg(r.ignorados.size());
    for (const auto& [quem, porque] : r.ignorados)
        l << QStringLiteral("  ") + quem + QStringLiteral(": ") + porque;
    return l;
}
