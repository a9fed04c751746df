#pragma once
// velmora3's computation: the reliability P = e^(-T/Tst) over the time T, with the checks on the
// time T and the mean time Tst. Free of <windows.h>, so that it can be tested on any host: a
// refusal goes out through reportRefusal.

// Shows the user why a value was refused and returns once the user has closed it. velmora3 shows
// the refusal box; the model's tests count the calls.
void reportRefusal(const char* message);

// A plain aggregate with no constructor: the program's one instance lives in zero-filled static
// storage, so all three fields read 0.0 from process start.
struct ReliabilityModel {
    double T;    // the time: 0.0 or the last value SetTime accepted
    double Tst;  // the mean time: 0.0 until SetMeanTime first accepts one
    double P;    // the reliability the last Compute gave

    // Each stores the value when it is in range (T >= 0, Tst > 0: a NaN is neither), otherwise
    // reports the refusal and keeps the previous value.
    bool SetTime(double value);
    bool SetMeanTime(double value);
    // P = e^(-T/Tst) from the fields as they stand; no check, whatever the numbers.
    void Compute();
    double GetReliability() const;
};
