#pragma once

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

// A file that appears whole or not at all: it is written under a temporary
// name beside its place, then renamed over it once everything is on disk. Any
// failure (no permission, full disk, a folder gone) leaves an earlier file of
// that name as it was, and no temporary file behind.
class Tfichier_atomique {
public:
    // What failed, with the system's reason.
    class Terreur : public std::runtime_error {
    public:
        Terreur(std::string chemin, int code, const std::string& message)
            : std::runtime_error(message), chemin(std::move(chemin)), code(code) {}
        std::string chemin;
        int code; // errno
    };

    // Creates the temporary file; throws Terreur when it cannot.
    explicit Tfichier_atomique(std::string chemin);
    // Without valide(), the temporary file goes and nothing else changes.
    ~Tfichier_atomique();
    Tfichier_atomique(const Tfichier_atomique&) = delete;
    Tfichier_atomique& operator=(const Tfichier_atomique&) = delete;

    // Where to write. A write that fails sets the stream's badbit; valide()
    // then reports the system's reason.
    std::ostream& flux();

    // Throws Terreur, with the system's reason, once a write has failed.
    void verifie();

    // Writes out what is buffered, makes sure it reached the disk, and puts
    // the file in its place; throws Terreur when any step fails.
    void valide();

    const std::string& chemin() const { return chemin_; }

private:
    class Ttampon;
    [[noreturn]] void echoue(int code, const std::string& quoi);
    void abandonne();

    std::string chemin_;
    std::string temporaire;
    int fd = -1;
    std::unique_ptr<Ttampon> tampon;
    std::unique_ptr<std::ostream> sortie;
};
