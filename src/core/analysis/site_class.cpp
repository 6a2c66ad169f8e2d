#include "analysis/site_class.h"

#include <cmath>

namespace quorel {

const char* siteClassName(SiteClass siteClass)
{
    switch (siteClass) {
    case SiteClass::NotClassified:
        return "not classified";
    case SiteClass::NotEntrained:
        return "not entrained";
    case SiteClass::Exit:
        return "exit";
    case SiteClass::CentralIsthmus:
        return "central isthmus";
    case SiteClass::ProximalIsthmus:
        return "proximal isthmus";
    case SiteClass::InnerLoop:
        return "inner loop";
    case SiteClass::OuterLoop:
        return "outer loop";
    case SiteClass::AdjacentBystander:
        return "adjacent bystander";
    case SiteClass::RemoteBystander:
        break;
    }
    return "remote bystander";
}

SiteClass classifySite(const TrainMeasures& m)
{
    if (!m.entrained)
        return SiteClass::NotEntrained;
    const bool inCircuit = m.ppiMinusT <= kPpiInCircuit;
    if (!m.concealedFusion)
        return inCircuit ? SiteClass::OuterLoop : SiteClass::RemoteBystander;
    // An S-QRS that cannot be compared with the tachycardia's EGM-QRS does not match.
    const bool matches = isMeasured(m.sQrsMinusEgmQrs) && std::abs(m.sQrsMinusEgmQrs) <= kSQrsMatchesEgmQrs;
    if (!inCircuit || !matches)
        return SiteClass::AdjacentBystander;
    if (m.sQrsOverT <= kExitBand)
        return SiteClass::Exit;
    if (m.sQrsOverT <= kCentralBand)
        return SiteClass::CentralIsthmus;
    if (m.sQrsOverT <= kProximalBand)
        return SiteClass::ProximalIsthmus;
    return SiteClass::InnerLoop;
}

}  // namespace quorel
