#pragma once
// A small MP3 streaming layer: MP3 data is fed in blocks, decoded and played through a
// library audio stream. Without a sound driver the decoded sound goes to a silent sink paced
// by the wall clock, so the game behaves the same with or without a sound card.

struct ALMP3_MP3STREAM;

// Creates a stream from the first block of a file (ostatni != 0: the whole file). Null when
// the data holds no MP3 audio.
ALMP3_MP3STREAM* almp3_create_mp3stream(const void* dane, int dlugosc, int ostatni);
void almp3_destroy_mp3stream(ALMP3_MP3STREAM* s);
// Starts playing (or keeps playing) with an output buffer of that many bytes; a stopped
// stream goes on from where it stopped. 0 on success.
int almp3_play_mp3stream(ALMP3_MP3STREAM* s, int bufor, int glosnosc, int panorama);
void almp3_stop_mp3stream(ALMP3_MP3STREAM* s);
// Fills the output; 1 exactly once when the track has ended, -1 when not playing, else 0.
// A track ends when its last samples are waiting in the output: stopping it then lets them
// be heard, and the next track started goes on right after them, so a loop has no gap.
int almp3_poll_mp3stream(ALMP3_MP3STREAM* s);
// A buffer for the next block of input (32768 bytes), or null when none is wanted now. The
// next block is wanted while a second of decoded sound is still in reserve.
void* almp3_get_mp3stream_buffer(ALMP3_MP3STREAM* s);
// Hands the buffer back: -1 a full block, otherwise the bytes read, which ends the input.
void almp3_free_mp3stream_buffer(ALMP3_MP3STREAM* s, int bajty);

// For tests and tools.
// Advances a stream without an audio stream by up to probki sample frames at once.
void almp3_przewin(ALMP3_MP3STREAM* s, long probki);
long almp3_pobierz_zdekodowane(const ALMP3_MP3STREAM* s);
int almp3_pobierz_czestotliwosc(const ALMP3_MP3STREAM* s);
int almp3_pobierz_kanaly(const ALMP3_MP3STREAM* s);
bool almp3_czy_gra(const ALMP3_MP3STREAM* s);
bool almp3_czy_ma_glos(const ALMP3_MP3STREAM* s);

const int ALMP3_BLOK = 32768;
