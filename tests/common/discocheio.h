#pragma once
// A folder with no room left, for the tests of saving: a 256 KiB tmpfs mounted over it and
// filled to the last byte (root may mount), or else a 64-byte file-size limit with SIGXFSZ
// ignored, so that a write fails with EFBIG instead of killing the process.
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class DiscoCheio {
public:
    explicit DiscoCheio(const QString& pasta) : m_pasta(pasta) {
        QDir().mkpath(pasta);
        m_montado = ::mount("tmpfs", QFile::encodeName(pasta).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
    }
    ~DiscoCheio() {
        esvazia();
        if (m_montado) ::umount2(QFile::encodeName(m_pasta).constData(), MNT_DETACH);
    }
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;

    const QString& pasta() const { return m_pasta; }
    bool montado() const { return m_montado; }
    // The reason a failed save of `nome` must give.
    QString motivo(const QString& nome) const {
        return m_montado ? QStringLiteral("Sem espaço no disco para gravar «%1».").arg(nome)
                         : QStringLiteral("«%1» excede o tamanho máximo").arg(nome);
    }

    // Fills the tmpfs until it refuses with ENOSPC; false if it never does. Nothing to do
    // under a size limit.
    bool enche() {
        if (!m_montado) return true;
        const int fd = ::open(QFile::encodeName(enchimento()).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return false;
        static const char bloco[4096] = {};
        while (::write(fd, bloco, sizeof bloco) > 0) continue;
        while (::write(fd, bloco, 1) == 1) continue; // the last partial page, byte by byte
        const int e = errno;
        ::close(fd);
        return e == ENOSPC;
    }
    void esvazia() { QFile::remove(enchimento()); }
    QString enchimento() const { return m_pasta + QStringLiteral("/enchimento"); }

    static QByteArray conteudo(const QString& caminho) {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<não existe>");
    }
    static bool escreve(const QString& caminho, const QByteArray& bytes) {
        QFile f(caminho);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
    }

    // The file-size limit, for a child process (before exec) or, undone by the caller, this one.
    // `ignora`: SIGXFSZ ignored here, as a program that dies of it would need; false leaves the
    // signal as a shell's `ulimit -f` does, for the programs to ignore it themselves.
    static void limitaTamanho(rlim_t bytes = 64, bool ignora = true) {
        std::signal(SIGXFSZ, ignora ? SIG_IGN : SIG_DFL);
        rlimit l{};
        getrlimit(RLIMIT_FSIZE, &l);
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    static void levantaLimite() {
        rlimit l{};
        getrlimit(RLIMIT_FSIZE, &l);
        l.rlim_cur = l.rlim_max;
        setrlimit(RLIMIT_FSIZE, &l);
    }

private:
    QString m_pasta;
    bool m_montado = false;
};
