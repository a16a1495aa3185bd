#pragma once

#include <QDir>

// Draws, generation by generation as a run would, a chart of 100 replicate
// populations drifting from an allele frequency of 30 %, with the expected
// frequency and the band of two standard deviations as dashed curves and the
// counts of fixed, lost and segregating replicates in the legend; writes it at
// the window's size and at a large size. True when both files were written.
bool ecrit_replicats(const QDir& dossier, unsigned long graine);
