#pragma once
// A chart body, one aspect, and the ordered, optionally keyed collection of aspects.
#include "possigno.h"
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class Aspecto {
public:
    void setCodigo(const QVariant& c) { m_codigo = c; }
    QVariant codigo() const { return m_codigo; }
    void setNome(const QString& n) { m_nome = n; }
    QString Nome() const { return m_nome; }

private:
    QVariant m_codigo;
    QString m_nome;
};

class iAspectos {
public:
    Aspecto& Add(const QString& nome, const QVariant& codigo, const QString& chave = QString());
    // Refuses a code already present, so a second aspect pass never doubles an entry.
    // Returns whether the aspect was appended.
    bool AddifNotYet(const QString& nome, int16_t codigo, const QString& chave = QString());
    Aspecto* Item(int indice1);              // 1-based; nullptr outside 1..Count
    Aspecto* Item(const QString& chave);     // nullptr when no item has that key
    int32_t Count() const { return static_cast<int32_t>(m_itens.size()); }
    void Clear() {
        m_itens.clear();
        m_chaves.clear();
    }
    void Remove(int indice1);
    void Remove(const QString& chave);
    bool ExistsItem(const QVariant& valor) const;

    // Iteration in insertion order.
    std::vector<Aspecto>::const_iterator begin() const { return m_itens.begin(); }
    std::vector<Aspecto>::const_iterator end() const { return m_itens.end(); }

private:
    std::vector<Aspecto> m_itens;
    std::vector<QString> m_chaves; // parallel to m_itens; empty = no key
};

// Colours are 24-bit values with red in the low byte, as stored in the settings.
using CorRGB = uint32_t;
constexpr CorRGB RGBCor(int r, int g, int b) {
    return static_cast<CorRGB>(r & 0xFF) | (static_cast<CorRGB>(g & 0xFF) << 8) |
           (static_cast<CorRGB>(b & 0xFF) << 16);
}

class planeta {
public:
    QString Nome;
    QString Glifo;
    CorRGB Cor = 0;
    bool Retrogrado = false;
    int16_t Numero = 0;
    int16_t Casa = 0;
    bool Mostrado = true;
    bool Marcado = false;

    // Created on first read when empty; both can also be assigned.
    iAspectos& Aspectos();
    void setAspectos(std::unique_ptr<iAspectos> a) { m_aspectos = std::move(a); }
    PosSigno& Posicao();
    void setPosicao(const PosSigno& p) { Posicao() = p; }

private:
    std::unique_ptr<iAspectos> m_aspectos;
    std::unique_ptr<PosSigno> m_posicao;
};
