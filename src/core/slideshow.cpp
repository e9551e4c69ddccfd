#include "slideshow.h"

#include "photoindex.h"
#include "photonavigator.h"

using namespace SlideShowRules;

SlideShow::SlideShow(const PhotoIndex &index, PhotoNavigator &navigator, qint32 &PhotoDelay, RandomSource random)
    : PhotoDelay(PhotoDelay)
    , m_index(index)
    , m_navigator(navigator)
    , m_random(std::move(random))
{
}

int SlideShow::count() const
{
    return m_index.Count();
}

int SlideShow::PhotoCursor() const
{
    return m_navigator.PhotoCursor;
}

int &SlideShow::cursor()
{
    return m_navigator.PhotoCursor;
}

int SlideShow::move(int position)
{
    cursor() = position;
    return position;
}

void SlideShow::start()
{
    PhotoDelay = FirstDelay;
    SkipExitPrompt = true;
    m_playing = false;
    m_failedPosition = 0;
}

int SlideShow::Bkwd()
{
    return move(afterBkwd(cursor(), count()));
}

int SlideShow::Fwd()
{
    return move(afterFwd(cursor(), count()));
}

int SlideShow::JumpBkwd()
{
    return move(afterJumpBkwd(cursor(), count()));
}

int SlideShow::JumpFwd()
{
    return move(afterJumpFwd(cursor(), count()));
}

int SlideShow::Beginning()
{
    return move(1);
}

int SlideShow::Middle()
{
    return move(middlePosition(count()));
}

void SlideShow::Play()
{
    ++cursor();
    m_playing = true;
}

void SlideShow::Pause()
{
    m_playing = false;
    move(afterPause(cursor(), count()));
}

int SlideShow::nextTimedSlide(bool random)
{
    if (cursor() == 0)
        cursor() = 1;
    if (cursor() > count()) {
        cursor() = 1;
        return 0;
    }
    if (random)
        cursor() = randomPosition(count(), m_random());
    return cursor();
}

void SlideShow::timedSlideShown()
{
    m_failedPosition = 0;
    ++cursor();
}

bool SlideShow::timedSlideFailed()
{
    if (m_failedPosition == cursor()) {
        m_failedPosition = 0;
        ++cursor();
        return false;
    }
    m_failedPosition = cursor();
    return true;
}

int SlideShow::handBackPosition()
{
    return move(photographOnScreen(cursor(), m_playing));
}

void SlideShow::handedBack()
{
    ++m_handBacks;
    SkipExitPrompt = false;
    --cursor();
}
