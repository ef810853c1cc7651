#pragma once

#include <QObject>

class TestClsDecoder : public QObject {
    Q_OBJECT
private slots:
    void addBits_data();
    void addBits();
    void getBits_data();
    void getBits();
    void impossibleRequest();
    void impossibleRequestEndsByDefault();
    void getBase32_data();
    void getBase32();
    void setBase32_data();
    void setBase32();
    void base32RoundTrip_data();
    void base32RoundTrip();
    void capacity();
};

class TestPositionCode : public QObject {
    Q_OBJECT
private slots:
    void golden_data();
    void golden();
    void startingCode();
    void enPassantField_data();
    void enPassantField();
    void randomRoundTrip();
    void shortForm();
    void recordOrder_data();
    void recordOrder();
    void duplicates_data();
    void duplicates();
    void truncation();
    void unknownPiece_data();
    void unknownPiece();
    void dirtyText_data();
    void dirtyText();
};

class TestCodeText : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void extract_data();
    void extract();
    void extractThenDecode();
};
