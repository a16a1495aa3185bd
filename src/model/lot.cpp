#include "model/lot.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <optional>
#include <utility>

namespace {

bool est_annule(const std::atomic<bool>* annule) {
    return annule != nullptr && annule->load(std::memory_order_relaxed);
}

// The state the workers of one batch and the calling thread share.
class Tfile_lot {
public:
    Tfile_lot(const Tdemande_lot& demande, const std::atomic<bool>* annule, std::size_t avance)
        : demande(demande), annule(annule), cases(avance) {}

    // A worker: takes the next replicate while it may run ahead, runs it,
    // leaves its record in its box.
    void travaille() {
        for (;;) {
            std::uint64_t i = 0;
            {
                std::unique_lock<std::mutex> l(verrou);
                place.wait(l, [&] {
                    return arret || prochain >= demande.nombre || prochain < livres + cases.size();
                });
                if (arret || prochain >= demande.nombre) {
                    return;
                }
                i = prochain++;
            }
            std::optional<Tregistre_mesure> registre = fait(i);
            std::lock_guard<std::mutex> l(verrou);
            if (!registre) {
                arret = true;
            } else {
                cases[i % cases.size()] = std::move(registre);
            }
            prets.notify_all();
            place.notify_all();
        }
    }

    // The calling thread: the record of replicate k (the next one due), or
    // nothing when the batch was stopped.
    std::optional<Tregistre_mesure> attend(std::uint64_t k) {
        std::unique_lock<std::mutex> l(verrou);
        auto& boite = cases[k % cases.size()];
        // The flag may be set from a thread that cannot wake this one: look
        // at it now and then.
        while (!boite && !arret && !est_annule(annule)) {
            prets.wait_for(l, std::chrono::milliseconds(20));
        }
        if (!boite || est_annule(annule)) {
            arret = true;
            place.notify_all();
            return std::nullopt;
        }
        std::optional<Tregistre_mesure> registre = std::move(boite);
        boite.reset();
        ++livres;
        place.notify_all();
        return registre;
    }

    void arrete() {
        std::lock_guard<std::mutex> l(verrou);
        arret = true;
        place.notify_all();
    }

private:
    std::optional<Tregistre_mesure> fait(std::uint64_t i) const {
        Tmesure mesure(demande.parametres, demande.graine, demande.premier + i);
        mesure.commence();
        while (!mesure.finie()) {
            if (est_annule(annule)) {
                return std::nullopt;
            }
            mesure.avance();
        }
        return mesure.prend_registre();
    }

    const Tdemande_lot& demande;
    const std::atomic<bool>* annule;
    std::mutex verrou;
    std::condition_variable prets;
    std::condition_variable place;
    std::vector<std::optional<Tregistre_mesure>> cases;
    std::uint64_t prochain = 0;
    std::uint64_t livres = 0;
    bool arret = false;
};

} // namespace

std::uint64_t execute_lot(const Tdemande_lot& demande,
                          const std::function<void(Tregistre_mesure&&)>& recoit,
                          const std::atomic<bool>* annule) {
    if (demande.nombre == 0) {
        return 0;
    }
    const auto fils = static_cast<unsigned>(
        std::max<std::uint64_t>(1, std::min<std::uint64_t>(demande.fils, demande.nombre)));
    Tfile_lot file(demande, annule, 4 * std::size_t{fils});
    std::vector<std::thread> ouvriers;
    ouvriers.reserve(fils);
    for (unsigned f = 0; f < fils; ++f) {
        ouvriers.emplace_back([&file] { file.travaille(); });
    }
    std::uint64_t livres = 0;
    std::exception_ptr erreur;
    try {
        for (; livres < demande.nombre; ++livres) {
            std::optional<Tregistre_mesure> registre = file.attend(livres);
            if (!registre) {
                break;
            }
            recoit(std::move(*registre));
        }
    } catch (...) {
        erreur = std::current_exception();
    }
    file.arrete();
    for (std::thread& t : ouvriers) {
        t.join();
    }
    if (erreur) {
        std::rethrow_exception(erreur);
    }
    return livres;
}

Tpool_fils::Tpool_fils(unsigned fils) {
    const unsigned n = std::max(1u, fils);
    ouvriers.reserve(n);
    for (unsigned f = 0; f < n; ++f) {
        ouvriers.emplace_back([this] { travaille(); });
    }
}

Tpool_fils::~Tpool_fils() {
    {
        std::lock_guard<std::mutex> l(verrou);
        fin = true;
    }
    reveil.notify_all();
    for (std::thread& t : ouvriers) {
        t.join();
    }
}

void Tpool_fils::pour_chaque(std::size_t n, const std::function<void(std::size_t)>& tache,
                             const std::atomic<bool>* annule) {
    if (n == 0) {
        return;
    }
    std::unique_lock<std::mutex> l(verrou);
    tache_ = &tache;
    annule_ = annule;
    nombre = n;
    prochain = 0;
    en_cours = 0;
    ++tour;
    reveil.notify_all();
    termine.wait(l, [&] { return prochain >= nombre && en_cours == 0; });
    tache_ = nullptr;
    if (erreur) {
        std::exception_ptr e = std::exchange(erreur, nullptr);
        std::rethrow_exception(e);
    }
}

void Tpool_fils::travaille() {
    std::unique_lock<std::mutex> l(verrou);
    for (;;) {
        reveil.wait(l, [&] { return fin || (tache_ != nullptr && prochain < nombre); });
        if (fin) {
            return;
        }
        const std::size_t i = prochain++;
        if (est_annule(annule_)) {
            prochain = nombre; // the rest is skipped
            termine.notify_all();
            continue;
        }
        ++en_cours;
        const std::function<void(std::size_t)>& tache = *tache_;
        l.unlock();
        std::exception_ptr e;
        try {
            tache(i);
        } catch (...) {
            e = std::current_exception();
        }
        l.lock();
        if (e) {
            erreur = erreur ? erreur : e;
            prochain = nombre;
        }
        --en_cours;
        if (prochain >= nombre && en_cours == 0) {
            termine.notify_all();
        }
    }
}

unsigned fils_disponibles() {
    return std::max(1u, std::thread::hardware_concurrency());
}

Tlot_pas_a_pas::Tlot_pas_a_pas(const Tparametres_mesure& parametres, std::uint64_t graine,
                               std::uint32_t nombre, unsigned fils)
    : graine_(graine), pool(std::max(1u, std::min<unsigned>(fils, std::max(1u, nombre)))) {
    mesures.reserve(nombre);
    for (std::uint32_t r = 0; r < nombre; ++r) {
        mesures.push_back(std::make_unique<Tmesure>(parametres, graine, r));
    }
    coordinateur = std::thread([this] { travaille(); });
}

Tlot_pas_a_pas::~Tlot_pas_a_pas() {
    annule_ = true;
    {
        std::lock_guard<std::mutex> l(verrou);
        fin = true;
    }
    signal.notify_all();
    coordinateur.join();
}

void Tlot_pas_a_pas::commence() {
    attend();
    pool.pour_chaque(mesures.size(), [this](std::size_t r) { mesures[r]->commence(); });
}

void Tlot_pas_a_pas::avance(const Tparametres_mesure& parametres, std::function<void()> fini) {
    attend();
    for (const std::unique_ptr<Tmesure>& m : mesures) {
        const bool modifiable = m->contexte().parametres().modifiable;
        m->contexte().parametres() = parametres;
        m->contexte().parametres().modifiable = modifiable;
    }
    occupe_ = true;
    {
        std::lock_guard<std::mutex> l(verrou);
        a_faire = [this, fini = std::move(fini)] {
            pool.pour_chaque(
                mesures.size(), [this](std::size_t r) { mesures[r]->avance(); }, &annule_);
            if (fini) {
                fini();
            }
            {
                std::lock_guard<std::mutex> fin_du_pas(verrou);
                occupe_ = false;
            }
            signal.notify_all();
        };
    }
    signal.notify_all();
}

void Tlot_pas_a_pas::attend() {
    std::unique_lock<std::mutex> l(verrou);
    signal.wait(l, [this] { return !occupe_.load(); });
}

std::uint32_t Tlot_pas_a_pas::nb_generations_faites() const {
    std::uint32_t n = mesures.empty() ? 0 : mesures.front()->nb_generations_faites();
    for (const std::unique_ptr<Tmesure>& m : mesures) {
        n = std::min(n, m->nb_generations_faites());
    }
    return n;
}

std::vector<const Tregistre_mesure*> Tlot_pas_a_pas::registres() const {
    std::vector<const Tregistre_mesure*> r;
    r.reserve(mesures.size());
    for (const std::unique_ptr<Tmesure>& m : mesures) {
        r.push_back(&m->registre());
    }
    return r;
}

void Tlot_pas_a_pas::travaille() {
    std::unique_lock<std::mutex> l(verrou);
    for (;;) {
        signal.wait(l, [this] { return fin || static_cast<bool>(a_faire); });
        if (fin && !a_faire) {
            return;
        }
        std::function<void()> tache = std::move(a_faire);
        a_faire = nullptr;
        l.unlock();
        tache();
        l.lock();
    }
}
