// Calling a control's members by name: arguments converted to the parameter types, results
// returned, and a member the control does not offer refused with a message.
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include "app/controls/late_bound.h"

namespace razudar::apptest {

class SampleControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Nome READ Nome WRITE setNome)
public:
    Q_INVOKABLE int Somma(int a, int b) { return a + b; }
    Q_INVOKABLE QVariant Eco(const QVariant& value) { return value; }
    Q_INVOKABLE bool Righe(const QStringList& campi, bool inCoda) { return campi.size() == 2 && inCoda; }
    Q_INVOKABLE void Segna(const QString& s = QStringLiteral("x")) { segni << s; }
    QString Nome() const { return nome; }
    void setNome(const QString& v) { nome = v; }
    QString nome;
    QStringList segni;
signals:
    void Evento(const QString& testo);
};

class SampleReceiver : public QObject {
    Q_OBJECT
public slots:
    void onEvento(const QString& testo) { ricevuti << testo; }

public:
    QStringList ricevuti;
};

namespace {

TEST(LateBound, CallsMembersByNameWithConvertedArguments) {
    SampleControl control;
    QStringList problems;
    controls::LateBoundObject object(&control, QStringLiteral("Sample"), [&](const QString& t) { problems << t; });
    ASSERT_TRUE(object.resolveMethod("Somma", 2));
    ASSERT_TRUE(object.resolveMethod("Eco", 1));
    ASSERT_TRUE(object.resolveMethod("Righe", 2));
    ASSERT_TRUE(object.resolveMethod("Segna", 0));  // a default argument: one member per count
    ASSERT_TRUE(object.resolveMethod("Segna", 1));
    ASSERT_TRUE(object.resolveProperty("Nome"));

    EXPECT_EQ(object.call("Somma", {QStringLiteral("40"), 2}).toInt(), 42);
    EXPECT_EQ(object.call("Eco", {QStringLiteral("+1500")}).toString(), QStringLiteral("+1500"));
    EXPECT_TRUE(object.call("Righe", {QStringList{QStringLiteral("a"), QStringLiteral("b")}, true}).toBool());
    object.call("Segna");
    object.call("Segna", {QStringLiteral("y")});
    EXPECT_EQ(control.segni, (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
    EXPECT_TRUE(object.write("Nome", QStringLiteral("MirtGRA1")));
    EXPECT_EQ(object.read("Nome").toString(), QStringLiteral("MirtGRA1"));
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    SampleReceiver receiver;
    ASSERT_TRUE(object.connectEvent("Evento", &receiver, "onEvento"));
    emit control.Evento(QStringLiteral("fine clip"));
    EXPECT_EQ(receiver.ricevuti, QStringList{QStringLiteral("fine clip")});
}

TEST(LateBound, RefusesWhatTheControlDoesNotOffer) {
    SampleControl control;
    QStringList problems;
    controls::LateBoundObject object(&control, QStringLiteral("Sample"), [&](const QString& t) { problems << t; });
    EXPECT_FALSE(object.resolveMethod("Somma", 3));
    EXPECT_FALSE(object.resolveMethod("SpostaRiga", 10));
    EXPECT_FALSE(object.resolveProperty("VGA"));
    ASSERT_TRUE(object.resolveMethod("Somma", 2));
    bool ok = true;
    EXPECT_FALSE(object.call("SpostaRiga", {1, 2}, &ok).isValid());
    EXPECT_FALSE(ok);
    EXPECT_FALSE(object.call("Somma", {QStringList{QStringLiteral("a")}, 1}, &ok).isValid());  // not an int
    EXPECT_FALSE(ok);
    EXPECT_FALSE(object.write("VGA", true));
    SampleReceiver receiver;
    EXPECT_FALSE(object.connectEvent("Conferma", &receiver, "onEvento"));
    EXPECT_EQ(object.missingMembers(),
              (QStringList{QStringLiteral("Somma/3"), QStringLiteral("SpostaRiga/10"), QStringLiteral("VGA"),
                           QStringLiteral("Conferma")}));
    EXPECT_EQ(problems.size(), 4);
    EXPECT_TRUE(problems[1].contains(QStringLiteral("argomento 1 non convertibile in int")));
}

}  // namespace
}  // namespace razudar::apptest

#include "late_bound_test.moc"
