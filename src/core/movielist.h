#pragma once

class MediaFs;
struct Session;

// BuildMovieList: the movies of the disc, MediaRoot + "\movies\*.avi", in
// upper case and in the order listed, into MovieList (entry n at index
// n - 1, an empty entry after the last) and MovieCount. A disc without
// movies gives count 0; a movie folder that cannot be read is ER055, whose
// Retry lists it again.
void BuildMovieList(const MediaFs &fs, Session &session);
