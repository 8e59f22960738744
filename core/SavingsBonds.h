#pragma once
// Federal savings bonds: type A pays its interest out every year (no compounding, 6 years),
// type B keeps it in the bond (compound interest, 7 years).

#include <array>

namespace zolt {

enum class BondType { A, B };

constexpr int kMaxBondYears = 7;
constexpr int BondYears(BondType type) { return type == BondType::A ? 6 : 7; }

struct SavingsBondInputs {
    BondType type = BondType::A;
    double amount = 0;                             // invested amount
    std::array<double, kMaxBondYears> rates{};     // percent per year, year 1 first
};

struct SavingsBondYear {
    double base = 0;      // the amount that bears interest this year
    double interest = 0;  // the interest of this year
};

enum class SavingsBondError { None, NotFinite };

struct SavingsBondResult {
    SavingsBondError error = SavingsBondError::None;
    std::array<SavingsBondYear, kMaxBondYears> years{};  // BondYears(type) of them are filled
    double endAmount = 0;
    double interest = 0;
    bool ok() const { return error == SavingsBondError::None; }
};

// Type A: Z_k = A × r_k / 100 on the amount alone, end amount A + ΣZ (the 7th rate unused).
// Type B: K_0 = A, Z_k = K_(k-1) × r_k / 100, K_k = K_(k-1) + Z_k; end amount K_7.
// A result beyond the double range is NotFinite.
SavingsBondResult ComputeSavingsBond(const SavingsBondInputs& in);

}  // namespace zolt
