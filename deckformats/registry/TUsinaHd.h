#pragma once
// One hydro plant: the fields of a registry record (792 or 832 bytes), in file order.
// The file form is produced and consumed field by field (PlantCodec), never by
// copying this structure.

#include <array>
#include <cstdint>

using Coeffs5 = std::array<float, 5>;
// The level-volume and area-level coefficients: 32-bit in the 792-byte form, 64-bit in the
// 832-byte form. Held at 64 bits so that either form's values keep every bit (PlantCodec).
using WideCoeffs5 = std::array<double, 5>;

struct TUsinaHd {
    std::array<char, 12> Nome{};
    std::int32_t Posto = 0;
    std::array<char, 8> PostoBDH{};
    std::int32_t Sistema = 0;
    std::int32_t Empresa = 0;
    std::int32_t Jusante = 0;
    std::int32_t Desvio = 0;
    float VolMin = 0;
    float VolMax = 0;
    float VolVert = 0;
    float VolDesv = 0;
    float CotaMin = 0;
    float CotaMax = 0;
    WideCoeffs5 PCV{};
    WideCoeffs5 PAC{};
    std::array<std::int32_t, 12> EvapMen{};
    std::int32_t NumConjMaq = 0;
    std::array<std::int32_t, 5> NumMaq{};
    std::array<float, 5> PotEf{};
    std::array<Coeffs5, 5> QHT{};
    std::array<Coeffs5, 5> QHG{};
    std::array<Coeffs5, 5> PH{};
    std::array<float, 5> HEf{};
    std::array<std::int32_t, 5> QEf{};
    float ProdEsp = 0;
    float ValorPerdas = 0;
    std::int32_t NumPolsJus = 0;
    std::array<Coeffs5, 6> PolJus{};
    std::array<float, 6> PolJusRef{};
    float CanalFugaMed = 0;
    std::int32_t InflVert = 0;
    float FatCargaMax = 0;
    float FatCargaMin = 0;
    std::int32_t VazMinHist = 0;
    std::int32_t NumUnidBase = 0;
    std::int32_t TipoTurbina = 0;
    std::int32_t RepConj = 0;
    float TEIF = 0;
    float IP = 0;
    std::int32_t TipoPerdas = 0;
    std::array<char, 8> Data{};
    std::array<char, 43> Obs{};
    float VolRef = 0;
    char Reg = 0;
};

// Walks the fields of a plant in file order, handing each to the visitor together
// with its name. Both directions of the codec and the field table are built on it,
// so the layout is written down once.
template <class Plant, class Visitor> void forEachPlantField(Plant& p, Visitor&& v) {
    v("Nome", p.Nome);
    v("Posto", p.Posto);
    v("PostoBDH", p.PostoBDH);
    v("Sistema", p.Sistema);
    v("Empresa", p.Empresa);
    v("Jusante", p.Jusante);
    v("Desvio", p.Desvio);
    v("VolMin", p.VolMin);
    v("VolMax", p.VolMax);
    v("VolVert", p.VolVert);
    v("VolDesv", p.VolDesv);
    v("CotaMin", p.CotaMin);
    v("CotaMax", p.CotaMax);
    v("PCV", p.PCV);
    v("PAC", p.PAC);
    v("EvapMen", p.EvapMen);
    v("NumConjMaq", p.NumConjMaq);
    v("NumMaq", p.NumMaq);
    v("PotEf", p.PotEf);
    v("QHT", p.QHT);
    v("QHG", p.QHG);
    v("PH", p.PH);
    v("HEf", p.HEf);
    v("QEf", p.QEf);
    v("ProdEsp", p.ProdEsp);
    v("ValorPerdas", p.ValorPerdas);
    v("NumPolsJus", p.NumPolsJus);
    v("PolJus", p.PolJus);
    v("PolJusRef", p.PolJusRef);
    v("CanalFugaMed", p.CanalFugaMed);
    v("InflVert", p.InflVert);
    v("FatCargaMax", p.FatCargaMax);
    v("FatCargaMin", p.FatCargaMin);
    v("VazMinHist", p.VazMinHist);
    v("NumUnidBase", p.NumUnidBase);
    v("TipoTurbina", p.TipoTurbina);
    v("RepConj", p.RepConj);
    v("TEIF", p.TEIF);
    v("IP", p.IP);
    v("TipoPerdas", p.TipoPerdas);
    v("Data", p.Data);
    v("Obs", p.Obs);
    v("VolRef", p.VolRef);
    v("Reg", p.Reg);
}

// Bit-exact comparison of two plants (floats and doubles compared by their bits, so NaNs and
// signed zeros count).
bool samePlantBits(const TUsinaHd& a, const TUsinaHd& b);
