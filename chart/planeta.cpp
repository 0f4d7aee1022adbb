#include "planeta.h"

namespace {

// Keys of a collection are matched ignoring case, like those of the original collections.
bool MesmaChave(const QString& a, const QString& b) {
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

Aspecto& iAspectos::Add(const QString& nome, const QVariant& codigo, const QString& chave) {
    Aspecto a;
    a.setNome(nome);
    a.setCodigo(codigo);
    // A key already in use stays with its first item; the new item is still appended.
    const bool chaveLivre = !chave.isEmpty() && Item(chave) == nullptr;
    m_itens.push_back(a);
    m_chaves.push_back(chaveLivre ? chave : QString());
    return m_itens.back();
}

bool iAspectos::AddifNotYet(const QString& nome, int16_t codigo, const QString& chave) {
    if (ExistsItem(QVariant::fromValue(codigo))) return false;
    Add(nome, QVariant::fromValue(codigo), chave);
    return true;
}

Aspecto* iAspectos::Item(int indice1) {
    if (indice1 < 1 || indice1 > Count()) return nullptr;
    return &m_itens[static_cast<size_t>(indice1 - 1)];
}

Aspecto* iAspectos::Item(const QString& chave) {
    for (size_t i = 0; i < m_chaves.size(); ++i) {
        if (MesmaChave(m_chaves[i], chave)) return &m_itens[i];
    }
    return nullptr;
}

void iAspectos::Remove(int indice1) {
    if (indice1 < 1 || indice1 > Count()) return;
    m_itens.erase(m_itens.begin() + (indice1 - 1));
    m_chaves.erase(m_chaves.begin() + (indice1 - 1));
}

void iAspectos::Remove(const QString& chave) {
    for (size_t i = 0; i < m_chaves.size(); ++i) {
        if (MesmaChave(m_chaves[i], chave)) {
            Remove(static_cast<int>(i) + 1);
            return;
        }
    }
}

bool iAspectos::ExistsItem(const QVariant& valor) const {
    for (const Aspecto& a : m_itens) {
        if (a.codigo() == valor) return true;
    }
    return false;
}

iAspectos& planeta::Aspectos() {
    if (!m_aspectos) m_aspectos = std::make_unique<iAspectos>();
    return *m_aspectos;
}

PosSigno& planeta::Posicao() {
    if (!m_posicao) m_posicao = std::make_unique<PosSigno>();
    return *m_posicao;
}
