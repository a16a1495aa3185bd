#include "ui/surface_image.h"

#include "ui/plateforme.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QColor en_qt(Tcouleur c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

Tcouleur depuis_qt(QRgb rgb) {
    return static_cast<Tcouleur>(qRed(rgb)) | static_cast<Tcouleur>(qGreen(rgb)) << 8 |
           static_cast<Tcouleur>(qBlue(rgb)) << 16;
}

QImage image_blanche(int largeur, int hauteur) {
    QImage image(std::max(largeur, 0), std::max(hauteur, 0), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QFont police_de(const std::string& nom, int points) {
    QFont police;
    // Arial's metric twin, which the set-up scripts install, comes first: the
    // charts are laid out alike on every machine, with Arial or without.
    QStringList familles{plateforme::qt(nom)};
    if (nom == "Arial") {
        familles.prepend(QStringLiteral("Liberation Sans"));
    }
    police.setFamilies(familles);
    police.setPixelSize(Tsurface_image::pixels_de_points(points));
    police.setStyleStrategy(QFont::NoAntialias);
    return police;
}

// Whether any pixel of the image has the colour `couleur`.
bool contient(const QImage& image, QRgb couleur) {
    const int largeur = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* const ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        // A whole row without an early exit, in 32-bit words: it vectorises.
        std::uint32_t trouve = 0;
        for (int x = 0; x < largeur; ++x) {
            trouve |= static_cast<std::uint32_t>(((ligne[x] ^ couleur) & 0xFFFFFFu) == 0u);
        }
        if (trouve != 0) {
            return true;
        }
    }
    return false;
}

// Fills with `remplissage` the 4-connected region of pixels that holds (x, y)
// and is bounded by pixels of the colour `bord`, one horizontal run at a time.
void remplit_jusqu_au_bord(QImage& image, int x, int y, QRgb bord, QRgb remplissage) {
    // With no pixel of the border colour the region is the whole image: so
    // is a chart's background filled.
    if (!contient(image, bord)) {
        image.fill(remplissage);
        return;
    }
    const int largeur = image.width();
    const int hauteur = image.height();
    QRgb* const debut = reinterpret_cast<QRgb*>(image.bits());
    const std::size_t pas_ligne = static_cast<std::size_t>(image.bytesPerLine()) / sizeof(QRgb);
    auto pixel = [&](int px, int py) -> QRgb& {
        return debut[static_cast<std::size_t>(py) * pas_ligne + static_cast<std::size_t>(px)];
    };
    auto est_bord = [&](int px, int py) { return (pixel(px, py) & 0xFFFFFF) == (bord & 0xFFFFFF); };
    std::vector<bool> vu(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur));
    auto libre = [&](int px, int py) {
        return !vu[static_cast<std::size_t>(py) * static_cast<std::size_t>(largeur) +
                   static_cast<std::size_t>(px)] &&
               !est_bord(px, py);
    };
    std::vector<std::pair<int, int>> graines{{x, y}};
    while (!graines.empty()) {
        const auto [gx, gy] = graines.back();
        graines.pop_back();
        if (!libre(gx, gy)) {
            continue;
        }
        int gauche = gx;
        while (gauche > 0 && libre(gauche - 1, gy)) {
            --gauche;
        }
        int droite = gx;
        while (droite + 1 < largeur && libre(droite + 1, gy)) {
            ++droite;
        }
        for (int px = gauche; px <= droite; ++px) {
            vu[static_cast<std::size_t>(gy) * static_cast<std::size_t>(largeur) +
               static_cast<std::size_t>(px)] = true;
            pixel(px, gy) = remplissage;
        }
        // One seed per run of free pixels on the rows above and below.
        for (int ny : {gy - 1, gy + 1}) {
            if (ny < 0 || ny >= hauteur) {
                continue;
            }
            bool dans_un_run = false;
            for (int px = gauche; px <= droite; ++px) {
                const bool l = libre(px, ny);
                if (l && !dans_un_run) {
                    graines.emplace_back(px, ny);
                }
                dans_un_run = l;
            }
        }
    }
}

// The last number given to a state of any surface.
std::atomic<std::uint64_t> dernier_etat{0};

// Paints the pixels of a line from `debut` towards `fin`, the end pixel left
// out, straight into the image; pixels outside it are skipped. Answers false,
// painting nothing, for a line longer than `longueur_max_trait`.
bool trace_pixels(QImage& image, QPoint debut, QPoint fin, QRgb couleur) {
    const int largeur = image.width();
    const int hauteur = image.height();
    auto* const debut_image = reinterpret_cast<QRgb*>(image.bits());
    const auto pas_ligne = static_cast<std::size_t>(image.bytesPerLine()) / sizeof(QRgb);
    return pixels_du_trait(debut.x(), debut.y(), fin.x(), fin.y(), [&](int px, int py) {
        if (px >= 0 && py >= 0 && px < largeur && py < hauteur) {
            debut_image[static_cast<std::size_t>(py) * pas_ligne + static_cast<std::size_t>(px)] =
                couleur;
        }
    });
}

} // namespace

Tsurface_image::Tsurface_image(int largeur, int hauteur)
    : image_(image_blanche(largeur, hauteur)), police_(police_de("Arial", 8)) {}

Tsurface_image::~Tsurface_image() {
    termine_peinture();
}

void Tsurface_image::redimensionne(int largeur, int hauteur) {
    if (largeur == image_.width() && hauteur == image_.height()) {
        return;
    }
    termine_peinture();
    image_ = image_blanche(largeur, hauteur);
    oublie_metriques();
    etat_ = 0;
}

const QImage& Tsurface_image::image() {
    termine_peinture();
    return image_;
}

Tcouleur Tsurface_image::couleur_pixel(int x, int y) {
    return depuis_qt(image().pixel(x, y));
}

int Tsurface_image::pixels_de_points(int points) {
    // points × 96 / 72, rounded half away from zero.
    const long long produit = static_cast<long long>(points) * 96;
    const long long pixels = (produit + (produit >= 0 ? 36 : -36)) / 72;
    return static_cast<int>(std::clamp(pixels, 1LL, 10000LL));
}

std::uint64_t Tsurface_image::etat() const {
    if (etat_ == 0) {
        etat_ = dernier_etat.fetch_add(1, std::memory_order_relaxed) + 1;
    }
    return etat_;
}

bool Tsurface_image::traits_exacts() const {
    return true;
}

int Tsurface_image::Width() const {
    return image_.width();
}

int Tsurface_image::Height() const {
    return image_.height();
}

void Tsurface_image::SetPenColor(Tcouleur couleur) {
    etat_ = 0;
    stylo_ = en_qt(couleur);
}

void Tsurface_image::SetBrushColor(Tcouleur couleur) {
    etat_ = 0;
    pinceau_ = en_qt(couleur);
}

void Tsurface_image::SetFont(const std::string& nom, int taille_points) {
    etat_ = 0;
    if (nom == nom_police_ && taille_points == points_police_) {
        return; // a chart sets its font at every drawing: mostly the same
    }
    nom_police_ = nom;
    points_police_ = taille_points;
    police_ = police_de(nom, taille_points);
    oublie_metriques();
}

void Tsurface_image::MoveTo(int x, int y) {
    etat_ = 0;
    position_ = QPoint(x, y);
}

void Tsurface_image::LineTo(int x, int y) {
    etat_ = 0;
    const QPoint fin(x, y);
    if (!image_.isNull()) {
        // Curves are thousands of short lines: their pixels go straight into
        // the image, with no painter open.
        termine_peinture();
        if (!trace_pixels(image_, position_, fin, stylo_.rgb())) {
            // Far off the image: Qt clips it, a flat cap leaving one end out.
            QPainter* p = peintre();
            p->setPen(QPen(stylo_, 1, Qt::SolidLine, Qt::FlatCap));
            p->drawLine(position_, fin);
        }
    }
    position_ = fin;
}

void Tsurface_image::Rectangle(int x1, int y1, int x2, int y2) {
    etat_ = 0;
    const QRect r = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                          QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    QPainter* p = peintre();
    if (p == nullptr || r.isEmpty()) {
        return;
    }
    p->fillRect(r, pinceau_);
    p->fillRect(QRect(r.left(), r.top(), r.width(), 1), stylo_);
    p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), stylo_);
    p->fillRect(QRect(r.left(), r.top(), 1, r.height()), stylo_);
    p->fillRect(QRect(r.right(), r.top(), 1, r.height()), stylo_);
}

void Tsurface_image::TextOut(int x, int y, const std::string& texte) {
    etat_ = 0;
    QPainter* p = peintre();
    if (p == nullptr) {
        return;
    }
    p->fillRect(QRect(x, y, TextWidth(texte), TextHeight(texte)), pinceau_);
    ecrit(x, y, plateforme::qt(texte));
}

void Tsurface_image::TextRect(int gauche, int haut, int droite, int bas, int x, int y,
                              const std::string& texte) {
    etat_ = 0;
    QPainter* p = peintre();
    const QRect cadre(gauche, haut, droite - gauche, bas - haut);
    if (p == nullptr || cadre.isEmpty()) {
        return;
    }
    p->fillRect(cadre, pinceau_);
    p->setClipRect(cadre);
    ecrit(x, y, plateforme::qt(texte));
    p->setClipping(false);
}

int Tsurface_image::TextWidth(const std::string& texte) {
    // A chart measures the same few texts (legend numbers and names, axis
    // labels) again and again.
    const auto connue = largeurs_.find(texte);
    if (connue != largeurs_.end()) {
        return connue->second;
    }
    if (largeurs_.size() >= 256) {
        largeurs_.clear();
    }
    const int largeur = metriques().horizontalAdvance(plateforme::qt(texte));
    largeurs_.emplace(texte, largeur);
    return largeur;
}

int Tsurface_image::TextHeight(const std::string&) {
    return metriques().height();
}

void Tsurface_image::FloodFill(int x, int y, Tcouleur bord) {
    etat_ = 0;
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) {
        return;
    }
    termine_peinture();
    remplit_jusqu_au_bord(image_, x, y, en_qt(bord).rgb(), pinceau_.rgb());
}

QPainter* Tsurface_image::peintre() {
    if (image_.isNull()) {
        return nullptr;
    }
    if (!peintre_) {
        peintre_ = std::make_unique<QPainter>(&image_);
        peintre_->setRenderHint(QPainter::Antialiasing, false);
        peintre_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return peintre_.get();
}

const QFontMetrics& Tsurface_image::metriques() {
    if (!metriques_) {
        metriques_.emplace(police_, &image_);
    }
    return *metriques_;
}

void Tsurface_image::oublie_metriques() {
    metriques_.reset();
    largeurs_.clear();
}

void Tsurface_image::termine_peinture() {
    if (peintre_) {
        peintre_->end();
        peintre_.reset();
    }
}

void Tsurface_image::ecrit(int x, int y, const QString& texte) {
    QPainter* p = peintre();
    p->setFont(police_);
    p->setPen(Qt::black);
    p->drawText(QPoint(x, y + metriques().ascent()), texte);
}
