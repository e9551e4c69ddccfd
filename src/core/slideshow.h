#pragma once

#include "slideshowrules.h"

#include <functional>

class PhotoIndex;
class PhotoNavigator;

// Decides which photograph the slide show goes to: it walks the whole
// PhotoIndex with the main window's own PhotoCursor, by hand or timed, in
// index order or at random. The window shows what it decides and reports
// back whether a timed slide could be shown.
//
// Lives for the whole run, like the delay and the random sequence it holds.
class SlideShow
{
public:
    // Values in [0, 1); the same sequence in every run of the program.
    using RandomSource = std::function<float()>;

    // PhotoDelay: the run's delay between timed slides in milliseconds,
    // which the screen-saver panel steps too.
    SlideShow(const PhotoIndex &index, PhotoNavigator &navigator, qint32 &PhotoDelay,
              RandomSource random = SlideShowRules::FixedSeedRandom());

    qint32 &PhotoDelay;
    // While true, closing the show asks nothing; "Exit" on the transport bar clears it.
    bool SkipExitPrompt = true;

    int count() const;
    int PhotoCursor() const;
    bool playing() const { return m_playing; }

    // A new show: the first delay, paused, closing asks nothing.
    void start();

    // The hand steps move the cursor by their rule and return the photograph to show.
    int Bkwd();
    int Fwd();
    int JumpBkwd();
    int JumpFwd();
    int Beginning();
    int Middle();

    // The first timed slide is the one after the photograph on screen.
    void Play();
    // Back on the photograph on screen.
    void Pause();

    // A tick of the slide timer: the photograph to show, or 0 when the show
    // has passed the last one and only rewinds (the last photograph then
    // stays on screen for two delays).
    int nextTimedSlide(bool random);
    // The tick showed its photograph: the next tick goes on from there.
    void timedSlideShown();
    // The tick could not load its photograph. The cursor stays, so the next
    // tick tries it again; when that fails too the show moves past it. True
    // when this failure is to be reported (the first one, not the retry).
    bool timedSlideFailed();

    // "Exit": moves the cursor to the photograph on screen and returns it.
    int handBackPosition();
    // The photograph is handed back: a later "Play" continues with it, and
    // closing the show now asks first.
    void handedBack();
    // How many photographs were handed back in this run.
    int handBacks() const { return m_handBacks; }

private:
    int &cursor();
    int move(int position);

    const PhotoIndex &m_index;
    PhotoNavigator &m_navigator;
    RandomSource m_random;
    bool m_playing = false;
    int m_failedPosition = 0;
    int m_handBacks = 0; // the photograph whose timed load failed last, if retried next
};
