#include "ficheiromapa.h"

#include "cp1252.h"
#include "gravacao.h"
#include "mensagens.h"
#include "motormapa.h"
#include "opcoes.h"
#include "textoficheiro.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QChar ASPAS(u'"');
const QChar ASPAS_TIPOGRAFICAS(u'\u201D');

// Comma- and line-separated fields, read one after another as the chart file was always
// read: a quoted text runs to the next double quote, line breaks included.
class LeitorCampos {
public:
    explicit LeitorCampos(const QString& texto) : t(texto) {}

    bool fim() const { return p >= t.size(); }

    // False at the end of the file.
    bool leCampo(QString& valor) {
        while (p < t.size() && (t[p] == QLatin1Char(' ') || t[p] == QLatin1Char('\t')))
            ++p;
        if (p >= t.size())
            return false;
        if (t[p] == ASPAS) {
            const qsizetype fecho = t.indexOf(ASPAS, p + 1);
            const qsizetype fimTexto = fecho < 0 ? t.size() : fecho;
            valor = t.mid(p + 1, fimTexto - p - 1);
            valor.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            valor.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            p = fecho < 0 ? t.size() : fecho + 1;
            while (p < t.size() && !delimitador(t[p]))
                ++p;
        } else {
            const qsizetype inicio = p;
            while (p < t.size() && !delimitador(t[p]))
                ++p;
            valor = t.mid(inicio, p - inicio).trimmed();
        }
        consomeDelimitador();
        return true;
    }

private:
    static bool delimitador(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

    void consomeDelimitador() {
        if (p >= t.size())
            return;
        if (t[p] == QLatin1Char('\r') && p + 1 < t.size() && t[p + 1] == QLatin1Char('\n'))
            p += 2;
        else
            ++p;
    }

    const QString& t;
    qsizetype p = 0;
};

enum class Tipo { Texto, Flag };

bool leFlag(const QString& valor, bool& flag) {
    const QString v = valor.trimmed().toUpper();
    if (v == QLatin1String("#TRUE#"))
        flag = true;
    else if (v == QLatin1String("#FALSE#"))
        flag = false;
    else
        return false;
    return true;
}

// The format has no escape for a double quote: none reaches a file raw, whoever writes it.
QString Aspas(QString t) { return ASPAS + t.replace(ASPAS, ASPAS_TIPOGRAFICAS) + ASPAS; }
QString Flag(bool f) { return f ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"); }

// The text fields of a chart and the captions the user knows them by.
QList<QPair<QString*, QString>> camposTexto(CamposMapa& c) {
    QList<QPair<QString*, QString>> l = {{&c.txtNome, QStringLiteral("Nome")},
                                         {&c.txtData, QStringLiteral("Data")},
                                         {&c.txtHora, QStringLiteral("Hora")},
                                         {&c.FusoHorario, QStringLiteral("Fuso Horário")},
                                         {&c.txttemposideral, QStringLiteral("Tempo Sideral")},
                                         {&c.txtlocal, QStringLiteral("Local")},
                                         {&c.txtLatitude, QStringLiteral("Latitude")},
                                         {&c.txtlongitude, QStringLiteral("Longitude")}};
    for (int i = 0; i < 12; ++i)
        l.append({&c.PosPlaneta[i], RotuloCorpoCampo(i)});
    for (int k = 0; k < 6; ++k)
        l.append({&c.PosCasas[k], QStringLiteral("Casa ") + RotuloCasaCampo(k)});
    l.append({&c.cometarios, QStringLiteral("Comentários")});
    l.append({&c.txtemail, QStringLiteral("E-mail")});
    return l;
}

QString descricaoErro(int numero) {
    switch (numero) {
    case ERRO_FICHEIRO_NAO_ENCONTRADO:
        return QStringLiteral("Ficheiro não encontrado");
    case ERRO_FIM_DO_FICHEIRO:
        return QStringLiteral("Leitura para além do fim do ficheiro");
    case ERRO_TIPO:
        return QStringLiteral("Tipos incompatíveis");
    default:
        return QStringLiteral("Erro de acesso ao caminho/ficheiro");
    }
}

// A stored position that cannot be read whole (a sign name garbled by another encoding, a
// number beyond any circle): damage, never a default sign. An empty one is a chart not cast.
bool posicaoIlegivel(const QString& texto) {
    PosSigno p;
    return !texto.isEmpty() && !LePosicaoZodiacal(texto, p);
}

QString textoEstado(const CamposMapa& c) {
    QString hora = c.txtHora;
    hora.chop(1);
    const QString universal = c.lblHoras[0].section(QLatin1Char('\''), 0, 0);
    return c.txtNome + QStringLiteral(" nascid") + (c.sexoMasculino ? QLatin1Char('o') : QLatin1Char('a')) +
           QStringLiteral(" a ") + c.txtData + QStringLiteral(" em ") + c.txtlocal + QStringLiteral(" pelas ") + hora +
           QStringLiteral(" horas (UT ") + universal + QStringLiteral(")") +
           (c.escolha.padrao() ? QString() : QStringLiteral("  ") + TextoCalculo(c));
}
} // namespace

namespace {
// No real chart needs a record this long; a longer one is damage (or a hostile file), found
// before the file is decoded so that it costs no more than a look at its bytes.
constexpr qsizetype MaximoRegisto = 64 * 1024;

// The number (from 1) of the first record longer than MaximoRegisto; 0 when none is. A
// newline inside quotes (a comment's lines) belongs to its record.
int RegistoDemasiadoLongo(const QByteArray& bytes) {
    int numero = 1;
    qsizetype inicio = 0;
    bool entreAspas = false;
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const char b = bytes[k];
        if (b == '"') {
            entreAspas = !entreAspas;
        } else if ((b == '\n' || b == '\r') && !entreAspas) {
            if (k - inicio > MaximoRegisto) return numero;
            if (b == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') ++k;
            ++numero;
            inicio = k + 1;
        }
    }
    return bytes.size() - inicio > MaximoRegisto ? numero : 0;
}
} // namespace

namespace {
// The records after the 26 a chart must have: whatever is missing or unreadable stays empty
// (or false) and reading goes on.
void leCauda(LeitorCampos& leitor, CamposMapa& c) {
    QString negra;
    bool negraRetro = false;
    if (leitor.leCampo(negra)) {
        QString f;
        if (leitor.leCampo(f) && !leFlag(f, negraRetro)) negraRetro = false;
    }
    c.PosPlaneta[11] = negra;
    c.lblretrogrado[11] = negraRetro;
    QString comentarios, email;
    if (leitor.leCampo(comentarios)) leitor.leCampo(email);
    c.cometarios = comentarios;
    c.txtemail = email;
    QStringList extra;
    // Engine, houses, zone, the optional points and two fields for each point.
    for (QString v; extra.size() < 4 + 2 * N_PONTOS_EXTRA && leitor.leCampo(v);)
        extra << v;
    LeRegistosExtraMapa(extra, c);
}

// ERRO_TIPO, with the record and its text, for the first stored position that cannot be read.
int primeiraPosicaoIlegivel(const CamposMapa& c, QString* descricao, int* registo) {
    const auto impossivel = [&](int rec, const QString& texto) {
        if (registo) *registo = rec;
        if (descricao)
            *descricao = QStringLiteral("O registo %1 tem uma posição que não se pode ler: «%2».")
                             .arg(rec)
                             .arg(Citacao(texto));
        return ERRO_TIPO;
    };
    for (int i = 0; i <= 11; ++i)
        if (posicaoIlegivel(c.PosPlaneta[i])) return impossivel(i <= 10 ? 10 + i : 27, c.PosPlaneta[i]);
    for (int k = 0; k < 6; ++k)
        if (posicaoIlegivel(c.PosCasas[k])) return impossivel(21 + k, c.PosCasas[k]);
    for (int k = 0, rec = 34; k < N_PONTOS_EXTRA; ++k) {
        if (!TemPonto(c.escolha.pontos, k)) continue;
        if (posicaoIlegivel(c.PosExtra[k])) return impossivel(rec, c.PosExtra[k]);
        ++rec;
    }
    return 0;
}
} // namespace

int LeBytesMapa(const QByteArray& bytes, CamposMapa& c, QString* descricao, int* registo, CodificacaoTexto* lida) {
    if (const int longo = RegistoDemasiadoLongo(bytes)) {
        if (registo) *registo = longo;
        if (descricao)
            *descricao = QStringLiteral("O registo %1 tem mais de %2 KiB; nenhum mapa tem registos tão longos.")
                             .arg(longo)
                             .arg(MaximoRegisto / 1024);
        return ERRO_TIPO;
    }
    const QString texto = DecodificaTexto(bytes, lida);
    LeitorCampos leitor(texto);
    int numero = 0;
    QString valor;
    const auto le = [&](int rec, QString* destino, bool* flag) -> bool {
        if (numero)
            return false;
        if (!leitor.leCampo(valor)) {
            numero = ERRO_FIM_DO_FICHEIRO;
        } else if (destino) {
            *destino = valor;
            return true;
        } else if (leFlag(valor, *flag)) {
            return true;
        } else {
            numero = ERRO_TIPO;
        }
        if (registo)
            *registo = rec;
        if (descricao)
            *descricao = numero == ERRO_TIPO
                             ? QStringLiteral("O registo %1 devia ser #TRUE# ou #FALSE# e tem «%2».").arg(rec).arg(Citacao(valor))
                             : QStringLiteral("O ficheiro termina no registo %1; um mapa tem pelo menos 26.").arg(rec);
        return false;
    };

    le(1, &c.txtNome, nullptr);
    le(2, &c.txtData, nullptr);
    bool sexo = true;
    if (le(3, nullptr, &sexo))
        c.sexoMasculino = sexo;
    QString* const nascimento[] = {&c.txtHora, &c.FusoHorario, &c.txttemposideral, &c.txtlocal, &c.txtLatitude,
                                   &c.txtlongitude};
    for (int k = 0; k < 6; ++k)
        le(4 + k, nascimento[k], nullptr);
    for (int i = 0; i <= 10; ++i) {
        bool retro = false;
        if (le(10 + i, &c.PosPlaneta[i], nullptr) && le(10 + i, nullptr, &retro))
            c.lblretrogrado[i] = retro;
    }
    for (int k = 0; k < 6; ++k)
        le(21 + k, &c.PosCasas[k], nullptr);
    if (numero)
        return numero;

    leCauda(leitor, c);
    return primeiraPosicaoIlegivel(c, descricao, registo);
}

QByteArray BytesMapa(const CamposMapa& c) {
    QStringList r;
    r << Aspas(c.txtNome) << Aspas(c.txtData) << Flag(c.sexoMasculino) << Aspas(c.txtHora) << Aspas(c.FusoHorario)
      << Aspas(c.txttemposideral) << Aspas(c.txtlocal) << Aspas(c.txtLatitude) << Aspas(c.txtlongitude);
    for (int i = 0; i <= 10; ++i)
        r << Aspas(c.PosPlaneta[i]) + QLatin1Char(',') + Flag(c.lblretrogrado[i]);
    for (int k = 0; k < 6; ++k)
        r << Aspas(c.PosCasas[k]);
    r << Aspas(c.PosPlaneta[11]) + QLatin1Char(',') + Flag(c.lblretrogrado[11]) << Aspas(c.cometarios)
      << Aspas(c.txtemail);
    const QStringList extra = RegistosExtraMapa(c);
    for (qsizetype k = 0; k < extra.size(); ++k) {
        // The points' records are a position and its flag on one line, as the bodies' are.
        if (k >= 4 && (k - 4) % 2 == 0 && k + 1 < extra.size()) {
            r << Aspas(extra[k]) + QLatin1Char(',') + extra[k + 1];
            ++k;
        } else {
            r << Aspas(extra[k]);
        }
    }
    QString texto = r.join(QLatin1Char('\n')) + QLatin1Char('\n');
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    texto.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QByteArray bytes;
    ParaCp1252(texto, bytes);
    return bytes;
}

QStringList SubstituiAspas(CamposMapa& c) {
    QStringList mudados;
    for (const auto& [texto, nome] : camposTexto(c))
        if (texto->contains(ASPAS)) {
            texto->replace(ASPAS, ASPAS_TIPOGRAFICAS);
            mudados << nome;
        }
    return mudados;
}

bool OpenFile(const QString& caminho, CamposMapa& campos, Mapa& mapa, const Redesenho& redesenha,
              bool juntaAosRecentes, QString* aviso) {
    if (caminho.isEmpty())
        return false;
    campos.Limpa();
    mapa.Limpa();
    campos.caminhoFicheiro = caminho;

    const auto falha = [&](int numero, const QString& porque) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao() + QStringLiteral(" - Abrir mapa"),
                                descricaoErro(numero) + QStringLiteral(": ") + porque);
        return false;
    };
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        const bool existe = QFileInfo::exists(caminho);
        return falha(existe ? ERRO_ACESSO : ERRO_FICHEIRO_NAO_ENCONTRADO,
                     caminho + (existe ? QStringLiteral(" (") + f.errorString() + QStringLiteral(")") : QString()));
    }
    const QByteArray bytes = f.readAll();
    const bool lido = f.error() == QFileDevice::NoError;
    f.close();
    if (!lido)
        return falha(ERRO_ACESSO, caminho);

    QString porque;
    CodificacaoTexto lida = CodificacaoTexto::Cp1252;
    const int numero = LeBytesMapa(bytes, campos, &porque, nullptr, &lida);
    if (numero) {
        // Damage is told in plain words: which file, that it was left as it was, and which record is wrong.
        if (numero == ERRO_FIM_DO_FICHEIRO || numero == ERRO_TIPO) {
            CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao() + QStringLiteral(" - Abrir mapa"),
                                    QStringLiteral("O ficheiro de mapa «") + QFileInfo(caminho).fileName() +
                                        QStringLiteral("» está danificado e foi deixado como estava.\n") + porque);
            return false;
        }
        return falha(numero, porque);
    }

    if (aviso)
        aviso->clear();
    if (lida == CodificacaoTexto::Utf8) {
        const QString texto = QStringLiteral("O ficheiro «") + QFileInfo(caminho).fileName() +
                              QStringLiteral("» foi gravado em UTF-8 por outro programa e foi lido como tal. "
                                             "Ao guardar, o Natalis grava-o em Windows-1252, a codificação "
                                             "dos seus ficheiros de mapa.");
        if (aviso)
            *aviso = texto;
        else
            CaixaMensagens().Mostra(IconeMsg::Informacao, TituloAplicacao() + QStringLiteral(" - Abrir mapa"), texto);
    }
    if (juntaAosRecentes)
        AddRecentFile(caminho);
    Rebuild(campos, mapa, redesenha);
    campos.caminhoValido = true;
    campos.mapaAberto = true;
    campos.textoEstado = textoEstado(campos);
    return true;
}

bool SaveToFile(const QString& caminho, CamposMapa& campos) {
    const QString titulo = TituloAplicacao() + QStringLiteral(" SaveToFile");
    const QStringList comAspas = SubstituiAspas(campos);
    if (!comAspas.isEmpty())
        CaixaMensagens().Mostra(IconeMsg::Informacao, titulo,
                                QStringLiteral("Um ficheiro de mapa não pode guardar aspas (\"). Foram guardadas como "
                                               "aspas tipográficas (”) em: ") +
                                    comAspas.join(QStringLiteral(", ")) + QLatin1Char('.'));
    QList<TextoNomeado> textos;
    for (const auto& [texto, nome] : camposTexto(campos))
        textos.append({nome, *texto});
    if (!AceitaCaracteresPerdidos(textos, titulo))
        return false;

    const QByteArray bytes = BytesMapa(campos);
    QString erro;
    if (!GravaFicheiro(caminho, bytes, &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, titulo,
                                QStringLiteral("Não foi possível guardar o mapa em ") + caminho + QStringLiteral(":\n") +
                                    erro);
        return false;
    }
    if (caminho == campos.caminhoFicheiro)
        campos.caminhoValido = true;
    return true;
}

bool FileSaveAs(CamposMapa& campos, const EscolheCaminho& escolhe) {
    const QString caminho = escolhe ? escolhe() : QString();
    if (caminho.isEmpty())
        return false;
    if (!caminho.contains(QLatin1Char('.'))) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("O mapa não foi guardado: o nome ") + caminho +
                                    QStringLiteral(" não tem extensão. Escolha um nome terminado em .anc."));
        return false;
    }
    campos.caminhoFicheiro = caminho;
    campos.caminhoValido = false;
    return SaveToFile(caminho, campos);
}

bool GuardaMapa(CamposMapa& campos, const EscolheCaminho& escolhe) {
    if (!campos.mapaAberto)
        return false;
    if (!campos.caminhoFicheiro.isEmpty() && campos.caminhoValido)
        return SaveToFile(campos.caminhoFicheiro, campos);
    return FileSaveAs(campos, escolhe);
}
