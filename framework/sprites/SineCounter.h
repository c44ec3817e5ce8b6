#pragma once

// An angle in degrees that advances every tick between two points, wrapping (or stopping once), with its
// sine ready in ratio: the pulse behind glows, bobbing and swaying.
class TSineCounter {
public:
    int Active = 1;
    double Counter = 0;
    float Speed = 1.0f;  // degrees per tick
    float StartPoint = 0;
    float EndPoint = 360.0f;
    float ratio = 0;  // sin(Counter)
    int RunOnce = 0;  // 1: stop at the end instead of wrapping

    int Init(float start, float end, float speed, int runOnce);
    int Manage();
    int Reset();
    int SetCounter(double value);
};
