#pragma once
// A small recursive-descent calculator for the formulas of the Arabic-parts keypad: numbers,
// the four operations, one power per factor, brackets, named functions and constants, and the
// chart points (longitudes in radians) read from the chart model.
#include <QString>
#include <QStringView>
#include <cstdint>

class Mapa;

class Evaluator {
public:
    enum Erro : int32_t {
        SemErro = 0,
        ErroSeparador = 1, // a second decimal separator in one number
        ErroSintaxe = 2,   // empty operand, a name without "(", text left after a factor
        ErroSinal = 4,     // a factor followed by something other than "^"
        ErroParenteses = 8,
        ErroAritmetica = 16, // division by zero, overflow, invalid power (never shown)
        ErroPontoAusente = 32, // an optional point (QUI(), CER()…) the chart did not compute
    };

    // The chart whose points the names read; the program's chart when none is given.
    explicit Evaluator(Mapa* mapa = nullptr);

    // Removes every blank, upper-cases and turns "." into ",".
    void setExpression(const QString& texto);
    int32_t Error() const { return m_erro; }
    // Evaluates the stored expression afresh.
    double Result();
    bool Assigned() const { return m_atribuido; }
    // Sets the expression and evaluates it; unless quiet, shows the result or the error in a
    // message box (CaixaMensagens()), as the keypad always has.
    double Evaluate(const QString& texto, bool silencioso);

    // Replaces every occurrence of `procura`. A replacement that contains the searched text is
    // done in one pass, where repeating from the start would never end.
    static QString ReplaceText(const QString& texto, const QString& procura, const QString& troca);

    // The message Evaluate shows for an error code; empty for 0 and 16.
    static QString MensagemErro(int32_t erro);

private:
    double Expressao(QStringView s);
    double Termo(QStringView s);
    double Factor(QStringView s, QChar& operador);
    double Primario(QStringView& s);
    double Parenteses(QStringView& s);
    double Numero(QStringView& s);
    double Nome(QStringView& s);
    double Funcao(const QString& nome, double x);
    int Separador(QStringView s, QStringView separadores);
    void Falha(int32_t erro) { m_erro = erro; }

    Mapa* m_mapa;
    QString m_expressao;
    double m_resultado = 0.0;
    int32_t m_erro = 0;
    bool m_atribuido = false;
    double m_ultimoAleatorio = 0.0;
    static constexpr int MAX_ANINHAMENTO = 256; // brackets inside brackets
    int m_aninhamento = 0;
};
