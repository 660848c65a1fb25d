#include <QtTest>
class TestSettings : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
