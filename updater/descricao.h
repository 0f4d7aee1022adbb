#pragma once
// The decisions taken from the update description and the shared options: whether the
// description is valid, whether the web site has news, whether a program update is due, and
// where a described file goes in the program folder.
#include <QDate>
#include <QString>
#include <QUrl>

class PerfilIni;

// True when the first line, in lower case, is exactly "[natalis]".
bool DescricaoValida(const QString& primeiraLinha);

// The leading number of a text ("3", " 2.5x"); anything else reads as 0.
double NumeroDeTexto(const QString& texto);
// The number of files of a section: the value rounded to the nearest whole number, halves to
// the even one; negative counts read as 0.
int ContagemFicheiros(const QString& texto);

// A date written day/month/year ("13/4/2000"), whatever the system's locale; "/", "-" or "."
// separate the parts and two-digit years fall in 1930..2029. Anything else is no date.
QDate LeData(const QString& texto);
// The form in which the updater stores dates: day/month/year without leading zeros.
QString EscreveData(const QDate& data);

// Web news is due when the web date is a date and is later than the date last seen (no date
// seen counts as earlier than any date).
bool HaNoticias(const QString& dataWeb, const QString& dataVista);

enum class DecisaoPrograma { SemActualizacao, NenhumaNova, Devida };
// online must be exactly "1"; a due update needs a published date later than the installed
// one (no installed date counts as earlier than any date). A published update without a
// date is not offered: it could never be recorded as installed and would come back on
// every run.
DecisaoPrograma DecideActualizacao(const QString& online, const QString& dataPublicada,
                                   const QString& dataInstalada);

// The local path of a described file: program folder + location + name. Empty when the
// location or the name is absolute, names a drive, holds a ".." part or otherwise leads
// outside the program folder, or when the name is empty. Backslashes count as separators.
QString CaminhoConfinado(const QString& pastaPrograma, const QString& localizacao, const QString& nome);
// The same test on the names alone, before any folder is looked at.
bool RelativoSeguro(const QString& localizacao, const QString& nome);
// The file's address below the web folder; the name's backslashes become "/" and characters
// with a meaning in addresses ("#", "?", "%", blanks) are escaped.
QUrl EnderecoFicheiro(const QString& pastaWeb, const QString& nome);

// The published version of a companion program from its own section ("movela", "duetto",
// "glosador"): "Movela 1.2.0, publicada em 13/4/2027" (without the date when it has none).
// Empty unless online is exactly "1" and major, minor and revision are whole numbers.
QString VersaoIrma(const PerfilIni& descricao, const QString& seccao, const QString& nome);
