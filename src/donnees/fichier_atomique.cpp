#include "donnees/fichier_atomique.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

// A buffer over a file descriptor that keeps the reason of its first failed
// write.
class Tfichier_atomique::Ttampon : public std::streambuf {
public:
    explicit Ttampon(int fd) : fd(fd), zone(1 << 16) {
        setp(zone.data(), zone.data() + zone.size());
    }

    int erreur = 0;

    bool vide() {
        const char* p = pbase();
        while (erreur == 0 && p < pptr()) {
            const ssize_t ecrits = ::write(fd, p, static_cast<std::size_t>(pptr() - p));
            if (ecrits < 0) {
                if (errno != EINTR) {
                    erreur = errno;
                }
            } else {
                p += ecrits;
            }
        }
        setp(zone.data(), zone.data() + zone.size());
        return erreur == 0;
    }

protected:
    int_type overflow(int_type c) override {
        if (!vide()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return vide() ? 0 : -1; }

private:
    int fd;
    std::vector<char> zone;
};

namespace {

// The permissions a new file gets (0666 less the umask), or those of the file
// being replaced.
mode_t droits_pour(const std::string& chemin) {
    struct stat etat {};
    if (::stat(chemin.c_str(), &etat) == 0 && S_ISREG(etat.st_mode)) {
        return etat.st_mode & 07777;
    }
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

} // namespace

Tfichier_atomique::Tfichier_atomique(std::string chemin) : chemin_(std::move(chemin)) {
    std::vector<char> modele(chemin_.begin(), chemin_.end());
    const std::string suffixe = ".tmp-XXXXXX";
    modele.insert(modele.end(), suffixe.begin(), suffixe.end());
    modele.push_back('\0');
    fd = ::mkstemp(modele.data());
    if (fd < 0) {
        echoue(errno, "cannot create");
    }
    temporaire = modele.data();
    if (::fchmod(fd, droits_pour(chemin_)) != 0) {
        echoue(errno, "cannot create");
    }
    tampon = std::make_unique<Ttampon>(fd);
    sortie = std::make_unique<std::ostream>(tampon.get());
}

Tfichier_atomique::~Tfichier_atomique() {
    abandonne();
}

std::ostream& Tfichier_atomique::flux() {
    return *sortie;
}

void Tfichier_atomique::abandonne() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
    if (!temporaire.empty()) {
        ::unlink(temporaire.c_str());
        temporaire.clear();
    }
}

void Tfichier_atomique::echoue(int code, const std::string& quoi) {
    abandonne();
    throw Terreur(chemin_, code, quoi + " " + chemin_ + ": " + std::strerror(code));
}

void Tfichier_atomique::verifie() {
    if (tampon && tampon->erreur != 0) {
        echoue(tampon->erreur, "cannot write");
    }
}

void Tfichier_atomique::valide() {
    if (fd < 0) {
        echoue(EBADF, "cannot write");
    }
    sortie->flush();
    if (!tampon->vide() || sortie->bad()) {
        echoue(tampon->erreur != 0 ? tampon->erreur : EIO, "cannot write");
    }
    if (::fsync(fd) != 0) {
        echoue(errno, "cannot write");
    }
    const int resultat = ::close(fd);
    fd = -1;
    if (resultat != 0) {
        echoue(errno, "cannot write");
    }
    if (std::rename(temporaire.c_str(), chemin_.c_str()) != 0) {
        echoue(errno, "cannot write");
    }
    temporaire.clear();
}
