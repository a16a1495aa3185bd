#pragma once

#include "i18n/traducteur.h"

// Sets the process-wide language for the life of the object, then puts the
// previous one back.
class LangueTemporaire {
public:
    explicit LangueTemporaire(langues langue) : ancienne(Traducteur().langue()) {
        Traducteur().langue() = langue;
    }
    ~LangueTemporaire() { Traducteur().langue() = ancienne; }
    LangueTemporaire(const LangueTemporaire&) = delete;
    LangueTemporaire& operator=(const LangueTemporaire&) = delete;

private:
    langues ancienne;
};
