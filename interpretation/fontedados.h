#pragma once
// A record source over one table of an SQLite database, with one current-record cursor:
// first record in table order, move next and previous, find the first record whose field
// equals a value exactly, field values by name. The program's data bindings are these.
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <memory>

class FonteDados {
public:
    FonteDados();
    ~FonteDados();
    FonteDados(const FonteDados&) = delete;
    FonteDados& operator=(const FonteDados&) = delete;

    // Binds the source to a database file and a table and moves to the first record.
    // False (with Erro()) when the file or the table cannot be read.
    bool Abre(const QString& caminho, const QString& tabela, bool soLeitura = true);
    void Fecha();
    bool Aberta() const { return m_aberta; }
    QString Erro() const { return m_erro; }
    QString Caminho() const { return m_caminho; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    bool EOF_() const { return m_fim; }
    bool TemRegisto() const { return m_rowid >= 0; }

    // Makes the first record in table order whose field equals the value (exact, letter case
    // counts) the current one. Without a match no record is current and NoMatch() is true.
    bool FindFirst(const QString& campo, const QString& valor);
    bool NoMatch() const { return m_semCorrespondencia; }

    // The field's text in the current record; empty for a null field or no current record.
    QString Campo(const QString& nome) const;

    // Editing: AddNew starts an empty record, SetCampo fills the current (or new) record,
    // Update stores it. Update of a new record appends it at the end of the table order.
    // Leaving a changed or new record (any move or search) stores it, as a bound form does;
    // a new record left without any field set is dropped.
    void AddNew();
    void SetCampo(const QString& nome, const QString& valor);
    bool Update();
    void CancelUpdate();

private:
    static bool Integra(QSqlDatabase& db);
    bool Le(QSqlQuery& q);
    void GuardaPendente();
    void SemRegisto(bool fim);
    bool Mover(const QString& condicao, const QString& ordem, bool fim);
    QString Identificador(const QString& nome) const;

    QString m_ligacao;
    QString m_caminho;
    QString m_tabela;
    QString m_erro;
    QStringList m_campos;
    QStringList m_valores;
    QHash<QString, QString> m_alterados;
    std::unique_ptr<QSqlQuery> m_procura; // prepared once per field searched
    QString m_campoProcura;
    qint64 m_rowid = -1;
    bool m_aberta = false;
    bool m_fim = true;
    bool m_semCorrespondencia = false;
    bool m_novo = false;
};
