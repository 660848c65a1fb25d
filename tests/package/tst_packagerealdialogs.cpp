#include <QtTest>
class TestPackageRealDialogs : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestPackageRealDialogs)
#include "tst_packagerealdialogs.moc"
