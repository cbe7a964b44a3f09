// The two small machines the tests build on: a Moore machine in the
// enumerated form and a Mealy machine in the coded form.
#pragma once

#include "fsm/automat.h"

namespace korvalt::test {

inline TAutomat MooreExample() {
    TAutomat a;
    a.Moore = true;
    a.Eingangsbitbreite = 1;
    a.Eingangsmatrix = {"X0|0", "X1|1"};
    a.Ausgangsbitbreite = 1;
    a.Ausgangsmatrix = {"Y0|0", "Y1|1"};
    a.Zustandsmatrix = {"S0|0", "S1|0"};
    a.Automatentabelle = {"S0|S1|X1", "S1|S0|X0"};
    a.Ausgangstabelle = {"S0|Y0", "S1|Y1"};
    a.Resetzustand = "S0";
    return a;
}

inline TAutomat MealyExample() {
    TAutomat a;
    a.Moore = false;
    a.Eingangsbitbreite = 1;
    a.Eingangsmatrix = {"X0|0", "X1|1"};
    a.Ausgangsbitbreite = 1;
    a.Ausgangsmatrix = {"Y0|0", "Y1|1"};
    a.Zustandsmatrix = {"S0|0", "S1|1"};
    a.Automatentabelle = {"S0|S0|X0|Y0", "S0|S1|X1|Y1", "S1|S1|X1|Y0", "S1|S0|X0|Y1"};
    a.Resetzustand = "S0";
    a.ResetAktiv = "0";
    return a;
}

} // namespace korvalt::test
