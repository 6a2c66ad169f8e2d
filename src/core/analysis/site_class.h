#pragma once
// Where a stimulus site lies in the reentry circuit, read from the entrainment
// measures of a train as electrophysiologists read them at the catheter.

#include "analysis/train_measures.h"

namespace quorel {

// Entrainment criteria, s and fractions of T.
constexpr double kPpiInCircuit = 0.030;       // PPI - T at most this: the site is in the circuit
constexpr double kSQrsMatchesEgmQrs = 0.020;  // |S-QRS - EGM-QRS| at most this
constexpr double kExitBand = 0.30;            // S-QRS / T up to this: exit
constexpr double kCentralBand = 0.50;         // up to this: central isthmus
constexpr double kProximalBand = 0.70;        // up to this: proximal isthmus; beyond: inner loop

enum class SiteClass {
    NotClassified,  // a single-stimulus run: no train to read
    NotEntrained,
    Exit,
    CentralIsthmus,
    ProximalIsthmus,
    InnerLoop,
    OuterLoop,
    AdjacentBystander,
    RemoteBystander,
};
const char* siteClassName(SiteClass siteClass);  // "central isthmus", "not entrained", ...

// Entrained with concealed fusion, PPI - T <= 30 ms and S-QRS within 20 ms of EGM-QRS:
// exit, central or proximal isthmus or inner loop by S-QRS / T; concealed otherwise:
// adjacent bystander. Entrained with manifest fusion: outer loop when PPI - T <= 30 ms,
// remote bystander otherwise.
SiteClass classifySite(const TrainMeasures& m);

}  // namespace quorel
