// What the engine needs from whoever runs it: a way to keep the window alive
// inside long loops, the close request, the one message it shows, and progress.
#pragma once

class EngineHost {
public:
    virtual ~EngineHost() = default;
    virtual void PumpOneMessage() = 0;          // let at most one queued message through
    virtual bool Cancelled() const = 0;         // m_cancel: the application is closing
    virtual void ReportConversionFailure() = 0; // show "変換失敗"
    virtual void SetProgress(int percent) = 0;  // progress popup value
};
