// Prints the element data compiled into libelemental as tab-separated text,
// one row per element, so build_bkp.py can read it without linking anything.
//
// Undefined values are printed as "--".  A trailing "~" marks values the
// library flags as estimated, approximate or for the most stable isotope, so
// the build script can prefer measured values from other sources.

#include <libelemental/table.hh>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

using namespace Elemental;

namespace {

std::string qualified(const std::string& text, Qualifier q)
{
    return (q == Q_EST || q == Q_CA || q == Q_ISO) ? text + "~" : text;
}

std::string num(const Float& v)
{
    if (!v.has_value())
        return "--";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v.value);
    return qualified(buf, v.qualifier);
}

std::string ints(const IntList& v)
{
    if (!v.has_value())
        return "--";
    std::ostringstream out;
    for (std::size_t i = 0; i < v.values.size(); ++i)
        out << (i ? "," : "") << (v.values[i] > 0 ? "+" : "") << v.values[i];
    return qualified(out.str(), v.qualifier);
}

std::string text(const String& v)
{
    if (!v.has_value())
        return "--";
    return qualified(v.value.raw(), v.qualifier);
}

std::string lattice(const LatticeType& v)
{
    if (!v.has_value())
        return "--";
    static const char* const names[] = {"tri", "mono", "orth", "tet", "rho",
                                        "hex", "sc", "bcc", "fcc"};
    return qualified(names[v.value], v.qualifier);
}

std::string phase(const Phase& v)
{
    if (!v.has_value())
        return "--";
    static const char* const names[] = {"solid", "liquid", "gas"};
    return names[v.value];
}

} // namespace

int main()
{
    initialize();
    std::cout << "number\tsymbol\tmass\tmelting_K\tboiling_K\tdensity_solid_gcm3"
                 "\tdensity_liquid_gcm3\tdensity_gas_gL\tfusion_kJmol"
                 "\tvaporization_kJmol\tspecific_heat_JgK\tthermal_cond_WmK"
                 "\tatomic_volume_cm3mol\tatomic_radius_pm\tcovalent_radius_pm"
                 "\telectronegativity\tfirst_ionization_kJmol\toxidation_states"
                 "\tlattice\tphase_273K\tconfiguration\n";
    for (const Element* e : get_table()) {
        std::cout << e->number << '\t' << e->symbol
                  << '\t' << num(e->get_property(P_ATOMIC_MASS))
                  << '\t' << num(e->get_property(P_MELTING_POINT))
                  << '\t' << num(e->get_property(P_BOILING_POINT))
                  << '\t' << num(e->get_property(P_DENSITY_SOLID))
                  << '\t' << num(e->get_property(P_DENSITY_LIQUID))
                  << '\t' << num(e->get_property(P_DENSITY_GAS))
                  << '\t' << num(e->get_property(P_FUSION_HEAT))
                  << '\t' << num(e->get_property(P_VAPORIZATION_HEAT))
                  << '\t' << num(e->get_property(P_SPECIFIC_HEAT))
                  << '\t' << num(e->get_property(P_THERMAL_CONDUCTIVITY))
                  << '\t' << num(e->get_property(P_ATOMIC_VOLUME))
                  << '\t' << num(e->get_property(P_ATOMIC_RADIUS))
                  << '\t' << num(e->get_property(P_COVALENT_RADIUS))
                  << '\t' << num(e->get_property(P_ELECTRONEGATIVITY))
                  << '\t' << num(e->get_property(P_FIRST_ENERGY))
                  << '\t' << ints(e->get_property(P_OXIDATION_STATES))
                  << '\t' << lattice(e->get_property(P_LATTICE_TYPE))
                  << '\t' << phase(e->get_phase(273.15))
                  << '\t' << text(e->get_property(P_CONFIGURATION))
                  << '\n';
    }
    return 0;
}
