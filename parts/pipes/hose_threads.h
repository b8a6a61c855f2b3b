#pragma once
// Inch pipe threads of the permanent hose connection, looked up by the size
// typed as whole inches W, numerator N and denominator Q. The rows are
// tried in order and every row that matches assigns its values, so a later
// match overrides an earlier one; a row may leave a column untested.
namespace pipes::hose {

// The diameter of the cylindrical (G) threaded bore; 0 when no row matches.
double cylindricalBore(double W, double N, double Q);

// The tapered (K) thread: its cone's diameter dK at the distance lK from
// the end face, and the depth hK of the end chamfer.
struct TaperedThread {
    double lK, dK, hK;
};
// With no matching row dK = 0, lK = L and hK = W.
TaperedThread taperedThread(double W, double N, double Q, double L);

} // namespace pipes::hose
